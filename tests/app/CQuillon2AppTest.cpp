// SPDX-License-Identifier: MIT
#include "app/CQuillon2App.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CSplashDlg.h"
#include "app/InstanceBeacon.h"
#include "app/InstanceGuard.h"
#include "app/StartUp.h"
#include "app/VersionBlock.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"
#include "tests/TestSupport.h"
#include "view/CQuillon2View.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <gtest/gtest.h>

namespace {
class CQuillon2AppTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("q.conf")));
        lockName = QStringLiteral("QuillonTest-") + QUuid::createUuid().toString(QUuid::Id128);
    }

    std::unique_ptr<CQuillon2App> makeApp()
    {
        auto app =
            std::make_unique<CQuillon2App>(camera, &camera.deviceWatcher(), *settings, lockName);
        app->setTickClock([this] { return ticks; });
        return app;
    }

    QString lockPath() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' + lockName +
               QStringLiteral(".lock");
    }

    SimulatedMainUnit camera;
    std::unique_ptr<SettingsStore> settings;
    QString lockName;
    quint32 ticks = 1000;

private:
    QTemporaryDir m_dir;
};

TEST_F(CQuillon2AppTest, SplashClosesAtTheFirstIdleMomentAfterThreeSeconds)
{
    auto app = makeApp();
    ASSERT_EQ(app->InitInstance({}), CQuillon2App::StartResult::Started);
    QPointer<CSplashDlg> splash = app->splash();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    ticks += 3000;
    EXPECT_TRUE(app->OnIdle());
    EXPECT_TRUE(app->splash());
    ticks += 1;
    EXPECT_FALSE(app->OnIdle());
    EXPECT_FALSE(app->splash());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

TEST_F(CQuillon2AppTest, SplashTimingSurvivesTheTickCounterWrapping)
{
    ticks = 0xFFFFFF00u;
    auto app = makeApp();
    app->InitInstance({});
    ticks += 2000; // wraps past zero
    EXPECT_TRUE(app->OnIdle());
    ticks += 1001;
    EXPECT_FALSE(app->OnIdle());
}

TEST_F(CQuillon2AppTest, AClickClosesTheSplashAndIsStillHandled)
{
    auto app = makeApp();
    app->InitInstance({});
    ASSERT_TRUE(app->splash());
    CMainFrame &frame = *app->mainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    bool clicked = false;
    QWidget &target = frame.view();
    struct ClickSpy : QObject
    {
        bool *seen;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::MouseButtonPress)
                *seen = true;
            return false;
        }
    } spy;
    spy.seen = &clicked;
    target.installEventFilter(&spy);
    QTest::mouseClick(&target, Qt::LeftButton);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(app->splash());
}

TEST_F(CQuillon2AppTest, AKeyPressClosesTheSplashToo)
{
    auto app = makeApp();
    app->InitInstance({});
    QTest::keyClick(app->mainFrame(), Qt::Key_A);
    EXPECT_FALSE(app->splash());
}

TEST_F(CQuillon2AppTest, SplashCanBeSuppressed)
{
    auto app = makeApp();
    StartOptions options;
    options.showSplash = false;
    app->InitInstance(options);
    EXPECT_FALSE(app->splash());
    EXPECT_TRUE(app->mainFrame()->isVisible());
}

TEST_F(CQuillon2AppTest, ASecondCopyDoesNotStartAndBringsTheFirstForward)
{
    auto first = makeApp();
    ASSERT_EQ(first->InitInstance({}), CQuillon2App::StartResult::Started);
    CMainFrame *frame = first->mainFrame();
    frame->setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
    auto second = makeApp();
    EXPECT_EQ(second->InitInstance({}), CQuillon2App::StartResult::AlreadyRunning);
    EXPECT_EQ(second->mainFrame(), nullptr);
    ASSERT_TRUE(waitUntil([frame] { return !frame->isMinimized(); }));
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_TRUE(frame->isVisible());
}

// Whatever a crash or a power cut leaves as the lock file, the next start goes ahead; and then
// it refuses a second copy as usual.
TEST_F(CQuillon2AppTest, WhatALostCopyLeftAsItsLockDoesNotStopAStart)
{
    const QByteArray leftovers[] = {
        "2147483000\nQuillonU\n" + QSysInfo::machineHostName().toUtf8() + "\n", // crashed
        "",                                                                     // empty
        "\x01\xff garbled",                                                     // garbled
    };
    for (const QByteArray &contents : leftovers) {
        QFile stale(lockPath());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stale.write(contents);
        stale.close();
        auto app = makeApp();
        EXPECT_EQ(app->InitInstance({}), CQuillon2App::StartResult::Started) << contents.data();
        EXPECT_EQ(makeApp()->InitInstance({}), CQuillon2App::StartResult::AlreadyRunning);
    }
    ASSERT_TRUE(QFile::remove(lockPath()));
    ASSERT_TRUE(QDir().mkdir(lockPath()));
    auto app = makeApp();
    EXPECT_EQ(app->InitInstance({}), CQuillon2App::StartResult::Started) << "a folder";
    EXPECT_EQ(makeApp()->InitInstance({}), CQuillon2App::StartResult::AlreadyRunning);
    QDir().rmdir(lockPath());
}

// Each start-up option means what it is called.
TEST(StartUp, OptionsAreReadAsNamed)
{
    const struct
    {
        QStringList arguments;
        bool showSplash;
        unsigned showCommand;
    } cases[] = {
        {{}, true, ShowCommand::ShowNormal},
        {{QStringLiteral("--minimized")}, true, ShowCommand::ShowMinimized},
        {{QStringLiteral("--maximized")}, true, ShowCommand::ShowMaximized},
        {{QStringLiteral("--no-splash")}, false, ShowCommand::ShowNormal},
        {{QStringLiteral("-Embedding")}, false, ShowCommand::ShowNormal},
        {{QStringLiteral("-Automation"), QStringLiteral("-maximized")},
         false,
         ShowCommand::ShowMaximized},
    };
    for (const auto &c : cases) {
        QCommandLineParser parser;
        addOptions(parser);
        ASSERT_TRUE(parser.parse(QStringList{QStringLiteral("QuillonU")} + c.arguments));
        const StartOptions options = startOptions(parser);
        const std::string label = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(options.showSplash, c.showSplash) << label;
        EXPECT_EQ(options.showCommand, c.showCommand) << label;
    }
}

// The second start's knock is answered once, with the token its launcher gave it, so that the
// window brought forward may take the focus.
TEST(InstanceBeacon, ASecondStartIsAnsweredOnceWithItsLaunchersToken)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("beacon"));
    InstanceBeacon running(path);
    ASSERT_TRUE(running.listen());
    QSignalSpy knocked(&running, &InstanceBeacon::knocked);
    qputenv("XDG_ACTIVATION_TOKEN", "launcher-token-7");
    const bool delivered = InstanceBeacon(path).knock();
    qunsetenv("XDG_ACTIVATION_TOKEN");
    ASSERT_TRUE(delivered);
    ASSERT_TRUE(knocked.wait(5000));
    QTest::qWait(100);
    ASSERT_EQ(knocked.count(), 1);
    EXPECT_EQ(knocked.constFirst().constFirst().toByteArray(), QByteArray("launcher-token-7"));
}

// A lock that cannot even be opened (its folder is gone) says nothing about another copy: the
// program starts.
TEST(InstanceGuard, ALockThatCannotBeOpenedDoesNotStopAStart)
{
    QTemporaryDir dir;
    InstanceGuard guard(dir.filePath(QStringLiteral("missing/QuillonU.lock")));
    EXPECT_TRUE(guard.tryAcquire());
}

// Clients that connect to the running copy and say nothing hold only a few of its descriptors.
TEST(InstanceBeacon, IdleClientsHoldFewDescriptors)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("beacon.socket"));
    InstanceBeacon running(path);
    ASSERT_TRUE(running.listen());
    const auto descriptors = [] {
        return QDir(QStringLiteral("/proc/self/fd")).count();
    };
    const auto before = descriptors();
    constexpr int Clients = 40;
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < Clients; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(path);
    }
    waitUntil([] { return false; }, std::chrono::milliseconds(300));
    // One each for the clients; the beacon's open and queued ones (see ConnectionGate).
    EXPECT_LE(descriptors() - before, Clients + 18u);
}

TEST_F(CQuillon2AppTest, FirstUpdateAsksTheCamera)
{
    auto app = makeApp();
    app->InitInstance({});
    EXPECT_TRUE(app->mainFrame()->view().readiness().isReady());
}

TEST(VersionBlock, IsReadBackFromTheProgramFile)
{
    // This test program carries the same block as the program.
    const auto strings = VersionBlock::readFromFile(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(strings);
    EXPECT_EQ(*strings, VersionBlock::embedded());
    EXPECT_EQ(VersionBlock::query(*strings, "StringFileInfo\\040904b0\\ProductVersion"),
              QStringLiteral("1.0b"));
    EXPECT_EQ(VersionBlock::query(*strings, "StringFileInfo\\040904b0\\OriginalFilename"),
              QStringLiteral("QuillonU.EXE"));
    EXPECT_FALSE(VersionBlock::query(*strings, "StringFileInfo\\04090000\\ProductVersion"));
    EXPECT_FALSE(VersionBlock::query(*strings, "StringFileInfo\\040904b0\\Missing"));
}

// The program this build made, not whichever QuillonU the search path finds (an installed one).
TEST(CAboutDlg, ShowsTheBuiltProgramsVersionOrItsOwnTexts)
{
    CAboutDlg fromProgram(nullptr, QStringLiteral(QUILLON_PROGRAM));
    EXPECT_EQ(fromProgram.versionText(), QStringLiteral("Version  1.0b"));
    EXPECT_EQ(
        fromProgram.copyrightText(),
        *VersionBlock::query(VersionBlock::embedded(), "StringFileInfo\\040904b0\\LegalCopyright"));
    QTemporaryDir dir;
    CAboutDlg notFound(nullptr, dir.filePath(QStringLiteral("missing/QuillonU")));
    EXPECT_EQ(notFound.versionText(), QStringLiteral("Version 1.0b"));
    QFile empty(dir.filePath(QStringLiteral("QuillonU")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    CAboutDlg noBlock(nullptr, empty.fileName());
    EXPECT_EQ(noBlock.versionText(), QStringLiteral("Version 1.0b"));
}
} // namespace
