// SPDX-License-Identifier: MIT
#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CMainStatusBar.h"
#include "app/CommandTable.h"
#include "app/MessagePresenters.h"
#include "link/LinkError.h"
#include "link/ReadinessMonitor.h"
#include "store/SettingsStore.h"
#include "view/CQuillon2View.h"

#include <QApplication>
#include <QStatusTipEvent>

CMainFrame::CMainFrame(PipeTransport &transport, MessagePresenter &presenter,
                       SettingsStore &settings, const QString &journalBase, QWidget *parent)
    : QMainWindow(parent)
    , m_presenter(presenter)
    , m_link(transport, *this)
    , m_settings(settings)
{
    setWindowTitle(statusText(StringId::AppTitle));
    setMinimumSize(MinimumWidth, MinimumHeight);
    m_placement.placeByDefault(QSize(MinimumWidth, MinimumHeight));
    // Every size, so that title bars, task bars and switchers each take a drawn one.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/images/app-icon-%1.png").arg(size));
    setWindowIcon(icon);

    m_wndStatusBar = new CMainStatusBar(this);
    setStatusBar(m_wndStatusBar);
    m_wndStatusBar->showPrompt(QString());

    m_view = new CQuillon2View(*this, settings, this);
    setCentralWidget(m_view);

    m_pdf = new PdfCommands({[this] { return m_view->shownImage(); }, *this, *m_wndStatusBar, *this,
                             settings, journalBase});
    m_bars = CommandBars::create(*this);

    connect(m_view, &CQuillon2View::stateChanged, this, &CMainFrame::updateCommands);
    // The wheel goes through the zoom commands, so their rules hold for it too.
    connect(m_view, &CQuillon2View::zoomStepRequested, this, [this](bool zoomIn) {
        updateCommands();
        m_bars.triggerIfEnabled(zoomIn ? CommandId::ZoomIn : CommandId::ZoomOut);
    });
    connect(m_pdf, &PdfCommands::changed, this, &CMainFrame::updateCommands);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });

    m_wndStatusBar->startClock([this] { return m_view->openEnabled(); });
    updateCommands();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::watchDevices(DeviceWatcher &watcher)
{
    connect(&watcher, &DeviceWatcher::deviceChanged, this, &CMainFrame::OnDeviceChange);
}

void CMainFrame::updateCommands()
{
    CommandContext context = m_view->commandContext();
    context.pageCount = m_pdf->pages().count();
    context.pdfBusy = m_pdf->busy();
    m_bars.update(context);
    EnableTopMenu(MenuPosition::Edit, m_editMenuEnabled);
}

void CMainFrame::EnableTopMenu(int position, bool enabled)
{
    if (position == MenuPosition::Edit) {
        m_editMenuEnabled = enabled;
        enabled = enabled || (m_pdf && !m_pdf->pages().isEmpty());
    }
    if (QMenu *menu = topMenu(position))
        menu->menuAction()->setEnabled(enabled);
}

void CMainFrame::SetStatusMessage(int stringId)
{
    const ReadinessMonitor &readiness = m_view->readiness();
    m_wndStatusBar->requestMessage(
        stringId, {readiness.noLink(), readiness.busy(), readiness.initPollCount()});
}

bool CMainFrame::isLinkMarkedDown() const
{
    return m_view->readiness().noLink();
}

void CMainFrame::CloseRemotePanel()
{
    m_view->CloseRemotePanel();
}

void CMainFrame::showSaveFailed(const QString &details)
{
    m_link.ShowLinkError(int(LinkError::PdfSaveFailed), details);
}

void CMainFrame::showPageRefused(const QString &details)
{
    m_link.ShowLinkError(int(LinkError::PageAddFailed), details);
}

void CMainFrame::showWarning(const QString &text, const QString &details)
{
    m_presenter.showWarning(0, statusText(StringId::AppTitle), text, details);
}

int CMainFrame::presentLinkMessage(const LinkMessage &message)
{
    // A numbered message's text is followed by two line feeds in its box, as it always was.
    const QString text = message.code != 0 ? message.text + QStringLiteral("\n\n") : message.text;
    return m_presenter.showWarning(message.code, statusText(StringId::AppTitle), text,
                                   message.details);
}

void CMainFrame::OnDeviceChange(DeviceEvent event, const QString &hardwareKey)
{
    if (m_view)
        m_view->OnDeviceChange(event, hardwareKey);
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
    const std::optional<WindowPlacement> stored = parseWindowPlacement(m_settings.windowPos());
    if (stored)
        placement = *stored;
    return stored.has_value();
}

void CMainFrame::SaveWindowPlacement(const WindowPlacement &placement)
{
    m_settings.setWindowPos(formatWindowPlacement(placement));
}

void CMainFrame::ActivateFrame(unsigned showCommand)
{
    WindowPlacement placement;
    m_placement.activate(LoadWindowPlacement(placement) ? std::optional(placement) : std::nullopt,
                         showCommand);
}

void CMainFrame::OnFileOpen()
{
    if (m_view->openEnabled() && !m_pdf->confirmPagesMayGo())
        return;
    m_view->OnFileOpen();
}

void CMainFrame::scanPage()
{
    if (m_view->captureNewPicture())
        m_pdf->addPage();
}

void CMainFrame::endSession()
{
    m_sessionEnding = true;
    m_pdf->keepPagesForNextStart();
    SaveWindowPlacement(currentPlacement());
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_sessionEnding && !m_pdf->confirmPagesMayGo()) {
        event->ignore();
        return;
    }
    m_wndStatusBar->stopClock();
    SaveWindowPlacement(currentPlacement());
    QMainWindow::closeEvent(event);
}

bool CMainFrame::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        m_wndStatusBar->showPrompt(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange: {
        const bool handled = QMainWindow::event(event);
        m_placement.windowChanged();
        return handled;
    }
    default:
        return QMainWindow::event(event);
    }
}
