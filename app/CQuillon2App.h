// SPDX-License-Identifier: MIT
#pragma once

#include "app/CSplashDlg.h"
#include "app/InstanceBeacon.h"
#include "app/MessagePresenters.h"
#include "store/SettingsStore.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class CMainFrame;
class QSessionManager;
class SessionWatch;
class CQuillon2Doc;
class DeviceWatcher;
class PipeTransport;
class InstanceGuard;

// What the command line asks for.
struct StartOptions
{
    bool showSplash = true;
    // How the window is first shown (a stored show command of the placement is replaced by it
    // unless it is the normal one).
    unsigned showCommand = 1;
};

// The application: one copy per user, the main window with its document and view, and the
// start-up picture.
class CQuillon2App : public QObject
{
    Q_OBJECT
public:
    // Milliseconds of a monotonic clock; unsigned so that a wrap does no harm.
    using TickClock = std::function<quint32()>;
    static constexpr quint32 SplashMinimumMs = 3000;

    enum class StartResult
    {
        Started,
        AlreadyRunning
    };

    // lockName: the name of the single-instance lock, the executable's name without extension.
    CQuillon2App(PipeTransport &transport, DeviceWatcher *watcher, SettingsStore &settings,
                 QString lockName, QObject *parent = nullptr);
    ~CQuillon2App() override;

    StartResult InitInstance(const StartOptions &options);
    // Writes what the application keeps between runs besides the window placement.
    void ExitInstance();

    // Closes the start-up picture once it has been shown for more than three seconds; true
    // while it is still waiting.
    bool OnIdle();
    // The first key or mouse-button press closes the start-up picture; the press itself is then
    // handled as usual.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // A second start knocked: the window comes forward, restored if it was minimized.
    void bringForward(const QByteArray &launcherToken);
    // The session manager asks to keep what the user would lose at a logout: the pages stay in
    // their journal for the next start (asked as a close would ask when they have no journal).
    void OnCommitData(QSessionManager &manager);
    // A termination signal: what a close keeps is kept, then the program ends without a question.
    void OnTerminationSignal();

    CMainFrame *mainFrame() const { return m_frame.get(); }
    CSplashDlg *splash() const { return m_splash.data(); }
    void setTickClock(TickClock clock) { m_tickClock = std::move(clock); }

private:
    bool takeInstanceLock();
    void closeSplash();
    void scheduleIdleCheck();

    PipeTransport &m_transport;
    DeviceWatcher *m_watcher;
    SettingsStore &m_settings;
    // Loaded at start and written back at exit; nothing in the program changes them.
    ApplicationSettings m_applicationSettings;
    QString m_lockName;
    // Where the lock and the beacon's socket are; empty when no folder is this user's alone.
    QString m_runtimeFolder;
    std::unique_ptr<InstanceGuard> m_instanceLock;
    InstanceBeacon m_beacon;
    MessageBoxPresenter m_presenter;
    std::unique_ptr<CQuillon2Doc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<SessionWatch> m_sessionWatch;
    QPointer<CSplashDlg> m_splash;
    quint32 m_splashStart = 0;
    TickClock m_tickClock;
};
