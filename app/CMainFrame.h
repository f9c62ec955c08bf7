// SPDX-License-Identifier: MIT
#pragma once

#include "app/CMainStatusBar.h"
#include "app/CommandBars.h"
#include "app/FramePlacement.h"
#include "app/InputBlock.h"
#include "app/PdfCommands.h"
#include "link/CameraLink.h"
#include "link/DeviceWatcher.h"
#include "picture/FrameServices.h"

#include <QMainWindow>
#include <QMenu>

class CQuillon2View;
class MessagePresenter;
class SettingsStore;

// The main window: menu bar, tool bar, status bar, and the one view. It owns the camera link and
// is the link's host; it places itself as the stored placement says and stores it when closed.
class CMainFrame : public QMainWindow, public FrameServices, public PdfStatusSink
{
    Q_OBJECT
public:
    // journalBase: where the pages' journal is kept; empty: pages in memory only.
    CMainFrame(PipeTransport &transport, MessagePresenter &presenter, SettingsStore &settings,
               const QString &journalBase = {}, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CQuillon2View &view() { return *m_view; }
    PdfCommands &pdf() { return *m_pdf; }
    CMainStatusBar &mainStatusBar() { return *m_wndStatusBar; }
    QToolBar &toolBar() { return *m_bars.toolBar; }
    QAction *commandAction(quint16 id) const { return m_bars.action(id); }
    QMenu *topMenu(int position) const { return m_bars.menu(position); }

    // Reports of the camera's arrival and removal reach OnDeviceChange.
    void watchDevices(DeviceWatcher &watcher);
    // Today's date and time for the status bar; tests give a fixed clock.
    void setClock(CMainStatusBar::Clock clock) { m_wndStatusBar->setClock(std::move(clock)); }

    // FrameServices
    void SetStatusMessage(int stringId) override;
    void SetZoomReadout(float zoomPercent) override { m_wndStatusBar->showZoom(zoomPercent); }
    // The Edit menu stays open while there are pages, so that recovered pages can be seen
    // before anything is captured.
    void EnableTopMenu(int position, bool enabled) override;
    CameraLink &link() override { return m_link; }
    void setFrameEnabled(bool enabled) override { m_inputBlock.setBlocking(!enabled); }

    void setTransferProgress(int rows) override { m_wndStatusBar->setProgressPosition(rows); }

    // PdfStatusSink
    void showPageCount(int pages) override { m_wndStatusBar->setPageCount(pages); }
    void showPaneMessage(int stringId, const QString &text) override
    {
        m_wndStatusBar->showPaneMessage(stringId, text);
    }
    void showSaveFailed(const QString &details) override;
    void showPageRefused(const QString &details) override;
    void showWarning(const QString &text, const QString &details) override;

    // LinkHost
    bool isLinkMarkedDown() const override;
    void CloseRemotePanel() override;
    // A modal box captioned with the program's title.
    int presentLinkMessage(const LinkMessage &message) override;

    // Shows the window at the stored placement, or with showCommand when there is none.
    void ActivateFrame(unsigned showCommand);
    bool LoadWindowPlacement(WindowPlacement &placement);
    void SaveWindowPlacement(const WindowPlacement &placement);
    // The placement as it would be stored if the window closed now.
    WindowPlacement currentPlacement() const { return m_placement.current(); }

    // Timer 1: the date and time panes.
    void OnTimer() { m_wndStatusBar->showClock(); }
    void OnDeviceChange(DeviceEvent event, const QString &hardwareKey);
    void OnActivateApp(bool active);
    void OnAppAbout();
    // Open in open mode asks first when unsaved pages would be left behind.
    void OnFileOpen();
    // Captures a picture and adds it as a page in one step, so that a stack of pages is scanned
    // from the keyboard (or a foot pedal that types a key).
    void scanPage();
    // The session ends without a question (a logout, a shutdown, a termination signal): what a
    // close keeps is kept, the placement and the unsaved pages, which the next start offers back.
    void endSession();

    // Re-evaluates every command's enabled and checked state from the view's state.
    void updateCommands();

    static constexpr int MinimumWidth = 500;
    static constexpr int MinimumHeight = 400;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    MessagePresenter &m_presenter;
    CameraLink m_link;
    SettingsStore &m_settings;
    FramePlacement m_placement{*this};
    InputBlock m_inputBlock{*this};
    CMainStatusBar *m_wndStatusBar = nullptr;
    CQuillon2View *m_view = nullptr;
    CommandBars m_bars;
    PdfCommands *m_pdf = nullptr;
    // What the view last asked of the Edit menu.
    bool m_editMenuEnabled = true;
    // The session ends: a close then keeps the pages without a question.
    bool m_sessionEnding = false;
};
