// SPDX-License-Identifier: MIT
#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CMainStatusBar.h"
#include "app/CommandTable.h"
#include "link/ReadinessMonitor.h"
#include "settings/SettingsStore.h"
#include "view/CQuillon2View.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QWindow>

namespace {
constexpr int ToolBarImageWidth = 16;
constexpr int ToolBarImageHeight = 15;
const QString NoZoomText = QStringLiteral("       ");

// The locale's short time, without seconds even where its short format has them.
QString shortTimeWithoutSeconds(const QTime &time)
{
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    format.remove(QLatin1String(":ss")).remove(QLatin1String(".ss")).remove(QLatin1String("ss"));
    return QLocale::system().toString(time, format.trimmed());
}
} // namespace

CMainFrame::CMainFrame(PipeTransport &transport, MessagePresenter &presenter,
                       SettingsStore &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_link(transport, presenter, *this)
    , m_settings(settings)
{
    setWindowTitle(statusText(StringId::AppTitle));
    setMinimumSize(MinimumWidth, MinimumHeight);
    placeByDefault();
    setWindowIcon(QIcon(QStringLiteral(":/images/app-icon-48.png")));

    m_wndStatusBar = new CMainStatusBar(this);
    setStatusBar(m_wndStatusBar);
    for (int pane : {CMainStatusBar::ZoomPane, CMainStatusBar::DatePane, CMainStatusBar::TimePane})
        m_wndStatusBar->setPaneText(CMainStatusBar::Pane(pane), QString());
    m_wndStatusBar->setPaneText(CMainStatusBar::MessagePane, statusText(StringId::Ready));

    m_view = new CQuillon2View(*this, settings, this);
    setCentralWidget(m_view);

    createActions();
    createMenus();
    createToolBar();

    connect(m_view, &CQuillon2View::stateChanged, this, &CMainFrame::updateCommands);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });

    m_clockTimer.setInterval(ClockTimerMs);
    connect(&m_clockTimer, &QTimer::timeout, this, &CMainFrame::OnTimer);
    m_clockTimer.start();
    updateCommands();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::placeByDefault()
{
    // Without a stored placement: most of the screen, centred, for the 5:4 picture.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = QSize(available.width() * 3 / 4, available.height() * 3 / 4)
                           .expandedTo(QSize(MinimumWidth, MinimumHeight));
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void CMainFrame::createActions()
{
    for (const CommandRow &row : commandTable()) {
        auto *action = new QAction(this);
        if (row.menuText)
            action->setText(QString::fromLatin1(row.menuText));
        if (row.shortcut)
            action->setShortcut(
                QKeySequence::fromString(QLatin1String(row.shortcut), QKeySequence::PortableText));
        action->setStatusTip(promptMessage(row));
        action->setToolTip(promptToolTip(row));
        action->setCheckable(row.checked != nullptr);
        action->setData(row.id);
        const auto handler = row.handler;
        connect(action, &QAction::triggered, this, [this, handler] {
            handler(*this);
            updateCommands();
        });
        // Every accelerator works in the whole window, whether or not a menu shows the command.
        addAction(action);
        m_actions.emplace(row.id, action);
    }
}

void CMainFrame::createMenus()
{
    for (const MenuDescription &description : menuBarLayout()) {
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(description.title));
        for (quint16 id : description.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(commandAction(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
        m_topMenus.push_back(menu);
    }
}

void CMainFrame::createToolBar()
{
    m_wndToolBar = addToolBar(QStringLiteral("Standard"));
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(ToolBarImageWidth, ToolBarImageHeight));
    const QPixmap strip(QStringLiteral(":/images/toolbar.png"));
    for (quint16 id : toolBarLayout()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction *action = commandAction(id);
        const CommandRow *row = findCommand(id);
        if (row->toolBarImage >= 0)
            action->setIcon(QIcon(strip.copy(row->toolBarImage * ToolBarImageWidth, 0,
                                             ToolBarImageWidth, ToolBarImageHeight)));
        m_wndToolBar->addAction(action);
    }
}

QAction *CMainFrame::commandAction(quint16 id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu *CMainFrame::topMenu(int position) const
{
    if (position < 0 || position >= int(m_topMenus.size()))
        return nullptr;
    return m_topMenus[std::size_t(position)];
}

void CMainFrame::watchDevices(DeviceWatcher &watcher)
{
    connect(&watcher, &DeviceWatcher::deviceChanged, this, &CMainFrame::OnDeviceChange);
}

void CMainFrame::updateCommands()
{
    const CommandContext context = m_view->commandContext();
    for (const CommandRow &row : commandTable()) {
        QAction *action = commandAction(row.id);
        action->setEnabled(row.enabled(context));
        if (row.checked)
            action->setChecked(row.checked(context));
    }
}

void CMainFrame::SetStatusMessage(int stringId)
{
    const ReadinessMonitor &readiness = m_view->readiness();
    const QString current = m_wndStatusBar->paneText(CMainStatusBar::MessagePane);
    // While the camera is unreachable or initializing, the warning that says so may only be
    // replaced by the other warning or after the idle text came back.
    bool allowed = true;
    if (readiness.busy() || readiness.noLink())
        allowed = current == statusText(StringId::Ready);
    if (readiness.noLink())
        allowed = allowed || current == statusText(StringId::Initializing);
    if (readiness.busy())
        allowed = allowed || current == statusText(StringId::NotReady);
    if (!allowed && readiness.initPollCount() <= ReadinessMonitor::MaxInitializingPolls)
        return;
    m_wndStatusBar->setPaneText(CMainStatusBar::MessagePane, statusText(stringId));
    m_wndStatusBar->repaint();
}

void CMainFrame::setSizedPaneText(int pane, const QString &text)
{
    const auto p = CMainStatusBar::Pane(pane);
    const int width = m_wndStatusBar->MeasureStatusText(text);
    if (width != m_wndStatusBar->paneWidth(p))
        m_wndStatusBar->setPaneWidth(p, width);
    m_wndStatusBar->setPaneText(p, text);
}

void CMainFrame::SetZoomReadout(float zoomPercent)
{
    const QString text =
        zoomPercent < 0.0f ? NoZoomText : QString::asprintf(" %.2f%% ", zoomPercent);
    setSizedPaneText(CMainStatusBar::ZoomPane, text);
}

void CMainFrame::OnTimer()
{
    const QDateTime now = m_clock();
    setSizedPaneText(CMainStatusBar::DatePane,
                     QLocale::system().toString(now.date(), QLocale::ShortFormat));
    QString time = shortTimeWithoutSeconds(now.time());
    if (m_view->openEnabled())
        time += QStringLiteral(" #");
    setSizedPaneText(CMainStatusBar::TimePane, time);
}

void CMainFrame::EnableTopMenu(int position, bool enabled)
{
    if (QMenu *menu = topMenu(position))
        menu->menuAction()->setEnabled(enabled);
}

void CMainFrame::SetFrameEnabled(bool enabled)
{
    setEnabled(enabled);
}

void CMainFrame::SetTransferProgress(int rows)
{
    m_wndStatusBar->setProgressPosition(rows);
}

bool CMainFrame::isLinkMarkedDown() const
{
    return m_view->readiness().noLink();
}

void CMainFrame::CloseRemotePanel()
{
    m_view->CloseRemotePanel();
}

void CMainFrame::OnDeviceChange(DeviceEvent event, const QString &hardwareKey)
{
    if (m_view)
        m_view->readiness().OnDeviceChange(event, hardwareKey);
}

void CMainFrame::OnActivateApp(bool active)
{
    if (active && m_view)
        m_view->RefreshImage();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

bool CMainFrame::LoadWindowPlacement(WindowPlacement &placement)
{
    const QString text = m_settings.windowPos();
    if (text.isEmpty())
        return false;
    auto parsed = parseWindowPlacement(text);
    if (!parsed)
        return false;
    placement = *parsed;
    return true;
}

void CMainFrame::SaveWindowPlacement(const WindowPlacement &placement)
{
    m_settings.setWindowPos(formatWindowPlacement(placement));
}

WindowPlacement CMainFrame::currentPlacement() const
{
    WindowPlacement placement = m_loadedPlacement;
    const bool minimized = isMinimized();
    const bool maximized = isMaximized() && !minimized;
    placement.flags = maximized ? WindowPlacement::RestoreToMaximized : 0;
    placement.showCommand = minimized   ? ShowCommand::ShowMinimized
                            : maximized ? ShowCommand::ShowMaximized
                                        : ShowCommand::ShowNormal;
    // The stored rectangle is the outer frame of the restored window.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    placement.setNormalRect(normalGeometry().marginsAdded(frame));
    return placement;
}

void CMainFrame::ActivateFrame(unsigned showCommand)
{
    WindowPlacement placement;
    if (LoadWindowPlacement(placement)) {
        if (showCommand != ShowCommand::ShowNormal)
            placement.showCommand = showCommand;
        m_loadedPlacement = placement;
        applyPlacement(placement);
        showWithCommand(placement.showCommand);
    } else {
        showWithCommand(showCommand);
    }
}

void CMainFrame::applyPlacement(const WindowPlacement &placement)
{
    const QRect outer = placement.normalRect();
    if (outer.width() <= 0 || outer.height() <= 0)
        return;
    // move() places the outer frame; resize() sets the size inside it. The frame's width is
    // known only once the window is shown, so the size is corrected then.
    move(outer.topLeft());
    resize(outer.size());
    m_pendingOuterSize = outer.size();
}

void CMainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_pendingOuterSize.isEmpty())
        return;
    QTimer::singleShot(0, this, [this] {
        const QSize frame = frameGeometry().size() - size();
        if (!isMaximized() && !isMinimized())
            resize(m_pendingOuterSize - frame);
        m_pendingOuterSize = QSize();
    });
}

void CMainFrame::showWithCommand(unsigned showCommand)
{
    switch (showCommand) {
    case ShowCommand::Hide:
        hide();
        break;
    case ShowCommand::ShowMinimized:
    case ShowCommand::Minimize:
    case ShowCommand::ShowMinNoActive:
        if (m_loadedPlacement.flags & WindowPlacement::RestoreToMaximized)
            setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        else
            showMinimized();
        show();
        break;
    case ShowCommand::ShowMaximized:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    m_clockTimer.stop();
    SaveWindowPlacement(currentPlacement());
    QMainWindow::closeEvent(event);
}

bool CMainFrame::event(QEvent *event)
{
    // A prompt that ends (the pointer leaves a button, a menu closes) gives way to the idle text.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        m_wndStatusBar->setPaneText(CMainStatusBar::MessagePane,
                                    tip.isEmpty() ? statusText(StringId::Ready) : tip);
        return true;
    }
    return QMainWindow::event(event);
}
