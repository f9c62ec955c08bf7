// SPDX-License-Identifier: MIT
#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CMainStatusBar.h"
#include "app/CommandTable.h"
#include "app/PdfCommands.h"
#include "link/ReadinessMonitor.h"
#include "settings/SettingsStore.h"
#include "view/CQuillon2View.h"

#include <QApplication>
#include <QMenu>
#include <QStatusTipEvent>

CMainFrame::CMainFrame(PipeTransport &transport, MessagePresenter &presenter,
                       SettingsStore &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_link(transport, presenter, *this)
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
    for (int pane : {CMainStatusBar::ZoomPane, CMainStatusBar::DatePane, CMainStatusBar::TimePane})
        m_wndStatusBar->setPaneText(CMainStatusBar::Pane(pane), QString());
    m_wndStatusBar->showPaneMessage(StringId::Ready, statusText(StringId::Ready));

    m_view = new CQuillon2View(*this, settings, this);
    setCentralWidget(m_view);

    m_pdf = new PdfCommands(*this);
    m_bars = CommandBars::create(*this);

    connect(m_view, &CQuillon2View::stateChanged, this, &CMainFrame::updateCommands);
    // The wheel goes through the zoom commands, so their rules hold for it too.
    connect(m_view, &CQuillon2View::zoomStepRequested, this, [this](bool zoomIn) {
        updateCommands();
        if (QAction *zoom = commandAction(zoomIn ? CommandId::ZoomIn : CommandId::ZoomOut);
            zoom->isEnabled())
            zoom->trigger();
    });
    connect(m_pdf, &PdfCommands::changed, this, &CMainFrame::updateCommands);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });

    m_clockTimer.setInterval(ClockTimerMs);
    connect(&m_clockTimer, &QTimer::timeout, this, &CMainFrame::OnTimer);
    m_clockTimer.start();
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
}

void CMainFrame::SetStatusMessage(int stringId)
{
    const ReadinessMonitor &readiness = m_view->readiness();
    const int shown =
        statusAfterRequest(m_wndStatusBar->shownMessageId(), stringId,
                           {readiness.noLink(), readiness.busy(), readiness.initPollCount()});
    if (shown == 0)
        return;
    m_wndStatusBar->showPaneMessage(shown, statusText(shown));
    m_wndStatusBar->repaint();
}

void CMainFrame::SetZoomReadout(float zoomPercent)
{
    m_wndStatusBar->showZoom(zoomPercent);
}

void CMainFrame::OnTimer()
{
    m_wndStatusBar->showDateAndTime(m_clock(), m_view->openEnabled());
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

void CMainFrame::ActivateFrame(unsigned showCommand)
{
    WindowPlacement placement;
    if (!LoadWindowPlacement(placement)) {
        m_placement.show(showCommand);
        return;
    }
    if (showCommand != ShowCommand::ShowNormal)
        placement.showCommand = showCommand;
    m_placement.apply(placement);
}

void CMainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_placement.shown();
}

void CMainFrame::OnFileOpen()
{
    if (m_view->openEnabled() && !m_pdf->confirmPagesMayGo())
        return;
    m_view->OnFileOpen();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_pdf->confirmPagesMayGo()) {
        event->ignore();
        return;
    }
    m_clockTimer.stop();
    SaveWindowPlacement(currentPlacement());
    QMainWindow::closeEvent(event);
}

bool CMainFrame::event(QEvent *event)
{
    // A prompt that ends (the pointer leaves a button, a menu closes) gives way to the idle text.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        if (tip.isEmpty())
            m_wndStatusBar->showPaneMessage(StringId::Ready, statusText(StringId::Ready));
        else
            m_wndStatusBar->showPaneMessage(0, tip);
        return true;
    }
    return QMainWindow::event(event);
}
