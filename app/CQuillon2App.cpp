// SPDX-License-Identifier: MIT
#include "app/CQuillon2App.h"

#include "app/AppLogging.h"
#include "app/CMainFrame.h"
#include "app/CSplashDlg.h"
#include "app/InstanceGuard.h"
#include "app/PrivateRuntimeFolder.h"
#include "app/SessionWatch.h"
#include "document/JournalRecovery.h"
#include "store/SettingsStore.h"
#include "view/CQuillon2Doc.h"
#include "view/CQuillon2View.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <QTimer>

namespace {
quint32 monotonicMilliseconds()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return quint32(clock.elapsed());
}

bool closesSplash(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        return true;
    default:
        return false;
    }
}
} // namespace

CQuillon2App::CQuillon2App(PipeTransport &transport, DeviceWatcher *watcher,
                           SettingsStore &settings, QString lockName, QObject *parent)
    : QObject(parent)
    , m_transport(transport)
    , m_watcher(watcher)
    , m_settings(settings)
    , m_lockName(std::move(lockName))
    , m_runtimeFolder(privateRuntimeFolder())
    , m_beacon(m_runtimeFolder.isEmpty()
                   ? QString()
                   : m_runtimeFolder + u'/' + m_lockName + QStringLiteral(".socket"))
    , m_tickClock(monotonicMilliseconds)
{}

CQuillon2App::~CQuillon2App()
{
    if (qApp)
        qApp->removeEventFilter(this);
    delete m_splash.data();
}

bool CQuillon2App::takeInstanceLock()
{
    if (m_runtimeFolder.isEmpty()) {
        // A lock in a folder others may write to could be held by any of them, and would keep
        // this user from ever starting: better two copies than none.
        qCWarning(lcApp, "no folder of this user's alone: running without the "
                         "single-instance lock");
        return true;
    }
    m_instanceLock = std::make_unique<InstanceGuard>(m_runtimeFolder + u'/' + m_lockName +
                                                     QStringLiteral(".lock"));
    return m_instanceLock->tryAcquire();
}

CQuillon2App::StartResult CQuillon2App::InitInstance(const StartOptions &options)
{
    if (!takeInstanceLock()) {
        // Users start a program again to find its window: the running copy shows it.
        m_beacon.knock();
        return StartResult::AlreadyRunning;
    }
    m_applicationSettings = m_settings.loadApplicationSettings();

    m_document = std::make_unique<CQuillon2Doc>();
    m_frame = std::make_unique<CMainFrame>(m_transport, m_presenter, m_settings,
                                           JournalRecovery::defaultBase());
    m_presenter.setParentWindow(m_frame.get());
    if (m_watcher)
        m_frame->watchDevices(*m_watcher);
    m_frame->view().OnInitialUpdate();
    m_frame->ActivateFrame(options.showCommand);
    connect(&m_beacon, &InstanceBeacon::knocked, this, &CQuillon2App::bringForward);
    m_beacon.listen();
    m_sessionWatch = std::make_unique<SessionWatch>();
    connect(m_sessionWatch.get(), &SessionWatch::terminationRequested, this,
            &CQuillon2App::OnTerminationSignal);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CQuillon2App::OnCommitData);
    // Once the window is up: the pages a copy that did not end normally left behind.
    QTimer::singleShot(0, this, [this] {
        if (m_frame)
            m_frame->pdf().offerLeftPages();
    });

    if (options.showSplash) {
        m_splash = new CSplashDlg(m_frame.get());
        m_splash->show();
        qApp->installEventFilter(this);
    }
    m_splashStart = m_tickClock();
    scheduleIdleCheck();
    return StartResult::Started;
}

void CQuillon2App::ExitInstance()
{
    m_settings.saveApplicationSettings(m_applicationSettings);
}

void CQuillon2App::bringForward(const QByteArray &launcherToken)
{
    if (!m_frame)
        return;
    // Wayland lets a window take the focus only with a launcher's token; Qt's Wayland plugin
    // hands this one to the compositor with the activation request.
    if (!launcherToken.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", launcherToken);
    // Minimized comes off; maximized or full screen stay.
    m_frame->setWindowState(m_frame->windowState() & ~Qt::WindowMinimized);
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

void CQuillon2App::OnCommitData(QSessionManager &manager)
{
    if (!m_frame)
        return;
    const PageDocument &pages = m_frame->pdf().pages();
    if (!pages.isEmpty() && !pages.journalled() && manager.allowsInteraction()) {
        const bool mayGo = m_frame->pdf().confirmPagesMayGo();
        manager.release();
        if (!mayGo) {
            manager.cancel();
            return;
        }
    }
    m_frame->endSession();
}

void CQuillon2App::OnTerminationSignal()
{
    if (m_frame)
        m_frame->endSession();
    // exit(), not quit(): quit() closes the windows first, and a close would ask about the pages.
    QCoreApplication::exit(0);
}

void CQuillon2App::scheduleIdleCheck()
{
    if (!m_splash)
        return;
    const quint32 shown = m_tickClock() - m_splashStart;
    const int wait = shown > SplashMinimumMs ? 0 : int(SplashMinimumMs - shown) + 1;
    QTimer::singleShot(wait, this, [this] {
        if (OnIdle())
            scheduleIdleCheck();
    });
}

bool CQuillon2App::OnIdle()
{
    if (!m_splash)
        return false;
    if (m_tickClock() - m_splashStart <= SplashMinimumMs)
        return true;
    closeSplash();
    return false;
}

void CQuillon2App::closeSplash()
{
    qApp->removeEventFilter(this);
    // Later, not now: the press that closes it may be on its way to the picture itself.
    m_splash->hide();
    m_splash->deleteLater();
    m_splash = nullptr;
    if (m_frame)
        m_frame->update();
}

bool CQuillon2App::eventFilter(QObject *watched, QEvent *event)
{
    if (m_splash && closesSplash(event->type()))
        closeSplash();
    return QObject::eventFilter(watched, event);
}
