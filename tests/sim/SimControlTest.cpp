// SPDX-License-Identifier: MIT
#include "link/CameraLink.h"
#include "sim/SimCommandLine.h"
#include "sim/SimControlCommands.h"
#include "sim/SimControlServer.h"
#include "sim/SimulatedMainUnit.h"
#include "tests/TestSupport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {
// Unique per test and per run, so parallel test processes never share a socket.
QString socketName()
{
    static int counter = 0;
    return QStringLiteral("quillon-sim-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

struct LineCase
{
    const char *line;
    const char *answer; // exact, or the start of an error
};

class ControlLineTest : public ::testing::TestWithParam<LineCase>
{};

TEST_P(ControlLineTest, AnswersOkOrTheReason)
{
    SimulatedMainUnit unit;
    const QString answer = runSimCommand(unit, QString::fromLatin1(GetParam().line));
    EXPECT_TRUE(answer.startsWith(QString::fromLatin1(GetParam().answer))) << answer.toStdString();
    if (QString::fromLatin1(GetParam().answer) != QLatin1String("ok")) {
        EXPECT_TRUE(answer.startsWith(QLatin1String("error: ")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ControlLineTest,
    ::testing::Values(
        LineCase{"unplug", "ok"}, LineCase{"  nak \r\n", "ok"},
        LineCase{"plug", "error: the main unit is already plugged in"},
        LineCase{"plug now", "error: plug takes no argument"}, LineCase{"initializing 5", "ok"},
        LineCase{"initializing", "error: "}, LineCase{"initializing -1", "error: "},
        LineCase{"initializing five", "error: "}, LineCase{"short-row 1", "ok"},
        LineCase{"short-row 1024", "ok"}, LineCase{"short-row 0", "error: "},
        LineCase{"short-row 1025", "error: "}, LineCase{"coefficients 1, 2 ,3,4", "ok"},
        LineCase{"coefficients 1,2,3", "error: coefficients are four numbers"},
        LineCase{"coefficients 1,2,3,256", "error: "}, LineCase{"coefficients 1,2,3,x", "error: "},
        LineCase{"frame", "error: frame needs a file name"},
        LineCase{"frame /nonexistent/frame.raw", "error: cannot open"},
        LineCase{"other-device", "ok"}, LineCase{"comm-not-usb", "ok"}, LineCase{"comm-usb", "ok"},
        LineCase{"reply-fail", "ok"}, LineCase{"image-fail", "ok"}, LineCase{"command-fail", "ok"},
        LineCase{"unplug-at-row 1024", "ok"}, LineCase{"unplug-at-row 0", "error: "},
        LineCase{"slow-transfer 1000", "ok"}, LineCase{"slow-transfer 0", "error: slow-transfer"},
        LineCase{"refuse busy", "ok"}, LineCase{"refuse", "error: refuse needs"},
        LineCase{"refuse maybe", "error: refuse needs"}, LineCase{"", "error: empty command"},
        LineCase{"PLUG", "error: unknown command"}, LineCase{"set lamp 2", "ok"},
        LineCase{"set pause on", "ok"}, LineCase{"set lock 0", "ok"},
        LineCase{"set lamp 3", "error: lamp is 0 to 2"}, LineCase{"set lamp -1", "error: "},
        LineCase{"set gamma yes", "error: gamma is on or off"},
        LineCase{"set zoom 1", "error: unknown setting"}, LineCase{"set lamp", "error: set needs"},
        LineCase{"state now", "error: state takes no argument"},
        LineCase{"sheet", "error: no sheet is shown"}, LineCase{"sheet default", "ok"},
        LineCase{"sheet points=9, turn=90 ,skew=-3", "ok"}, LineCase{"sheet off", "ok"},
        LineCase{"sheet points=40", "error: points: a number 6 to 16"},
        LineCase{"sheet turn=45", "error: turn: one of 0|180|270|90"},
        LineCase{"sheet finger=top-left", "error: finger: one of bottom|left|none|right|top"},
        LineCase{"sheet colour=red", "error: \"colour=red\" is not NAME=VALUE"},
        LineCase{"sheet text=/nonexistent.txt", "error: text: cannot read"}),
    [](const auto &info) { return paramName(info.param.line, info.index); });

// What the camera received since the last look, and its settings, read and set from outside.
TEST(ControlLine, SentStateAndSet)
{
    SimulatedMainUnit unit;
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("sent")), QStringLiteral("ok"));
    struct : LinkHost
    {
        bool isLinkMarkedDown() const override { return false; }
        void CloseRemotePanel() override {}
        int presentLinkMessage(const LinkMessage &) override { return 1; }
    } host;
    CameraLink link(unit, host);
    for (const char *command : {"FZ1  ", "RO2  ", "X\n"})
        link.SendCommand(command);
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("sent")),
              QStringLiteral("\"FZ1  \"\n\"RO2  \"\n\"X\\x0a\"\nok"));
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("sent")), QStringLiteral("ok"));
    // A rotation ended the pause, as it does on the camera.
    EXPECT_FALSE(unit.settings().pause);

    EXPECT_EQ(runSimCommand(unit, QStringLiteral("set rgb-input 1")), QStringLiteral("ok"));
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("set pause on")), QStringLiteral("ok"));
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("set resolution 3")), QStringLiteral("ok"));
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("set gamma on")), QStringLiteral("ok"));
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("state")),
              QStringLiteral("lamp 0\nrgb-input 0\nnegative off\nblack-and-white off\n"
                             "pointer off\ndouble-zoom off\npause off\nlock off\n"
                             "resolution 3\ngamma on\nrotation 2\nok"));
    EXPECT_TRUE(runSimCommand(unit, QStringLiteral("sent")).startsWith(u"ok"))
        << "control commands are not camera commands";
}

TEST(ControlLine, CommandsReachTheUnit)
{
    SimulatedMainUnit unit;
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("coefficients 1, 2 ,3,4")), QStringLiteral("ok"));
    EXPECT_EQ(unit.coefficients(), (ColorCoefficients{1, 2, 3, 4}));
    EXPECT_EQ(runSimCommand(unit, QStringLiteral("coefficients 9,9,9")).left(6),
              QStringLiteral("error:"));
    EXPECT_EQ(unit.coefficients(), (ColorCoefficients{1, 2, 3, 4}));
    runSimCommand(unit, QStringLiteral("unplug"));
    EXPECT_FALSE(unit.isPlugged());
    runSimCommand(unit, QStringLiteral("plug"));
    EXPECT_TRUE(unit.isPlugged());
    runSimCommand(unit, QStringLiteral("refuse permission"));
    EXPECT_FALSE(unit.open(CommandPipeName));
    EXPECT_EQ(unit.lastRefusal(), CameraRefusal::PermissionDenied);
    runSimCommand(unit, QStringLiteral("refuse none"));
    EXPECT_TRUE(unit.open(CommandPipeName));
    EXPECT_EQ(unit.lastRefusal(), CameraRefusal::None);
}

class ControlSocketTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_server.listen(m_name, &error)) << error.toStdString();
    }
    // Sends the bytes and waits for `lines` answer lines, serving the server meanwhile.
    QStringList exchange(const QByteArray &bytes, int lines,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        EXPECT_TRUE(waitUntil([&] { return socket.state() == QLocalSocket::ConnectedState; }));
        socket.write(bytes);
        QStringList answers;
        waitUntil(
            [&] {
                while (socket.canReadLine())
                    answers << QString::fromUtf8(socket.readLine()).trimmed();
                return answers.size() >= lines;
            },
            timeout);
        return answers;
    }
    int runClient(const QStringList &arguments, QString *output,
                  const QString &directory = QString())
    {
        QProcess client;
        if (!directory.isEmpty())
            client.setWorkingDirectory(directory);
        client.start(QStringLiteral(QUILLON_SIMCTL), QStringList{m_name} + arguments);
        // The server lives on this thread: keep its event loop running while the client waits.
        EXPECT_TRUE(waitUntil([&] { return client.state() == QProcess::NotRunning; },
                              std::chrono::seconds(20)));
        *output = QString::fromUtf8(client.readAllStandardOutput()).trimmed();
        return client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
    }

    QString m_name = socketName();
    SimulatedMainUnit m_unit;
    SimControlServer m_server{m_unit};
};

TEST_F(ControlSocketTest, AnswersEachLineInTurn)
{
    const QStringList answers = exchange("coefficients 5,6,7,8\nbogus\ninitializing 2\n", 3);
    ASSERT_EQ(answers.size(), 3);
    EXPECT_EQ(answers[0], QStringLiteral("ok"));
    EXPECT_TRUE(answers[1].startsWith(QLatin1String("error: unknown command")));
    EXPECT_EQ(answers[2], QStringLiteral("ok"));
    EXPECT_EQ(m_unit.coefficients(), (ColorCoefficients{5, 6, 7, 8}));
}

struct LineLengthCase
{
    const char *name;
    qint64 bytes; // newline included, when there is one
    bool newline;
    bool refused;
};

class ControlSocketLineLength : public ControlSocketTest,
                                public ::testing::WithParamInterface<LineLengthCase>
{};

// A line of the limit, newline included, is run; one byte more is refused and not run, and so is
// a line that never ends.
TEST_P(ControlSocketLineLength, IsRefusedBeyondTheLimit)
{
    const LineLengthCase &c = GetParam();
    const QByteArray prefix = "frame /";
    QByteArray line = prefix + QByteArray(int(c.bytes - prefix.size() - (c.newline ? 1 : 0)), 'a');
    if (c.newline)
        line += '\n';
    ASSERT_EQ(line.size(), c.bytes);
    const QStringList answers = exchange(line, 1);
    ASSERT_EQ(answers.size(), 1);
    EXPECT_EQ(answers[0] == QStringLiteral("error: line too long"), c.refused)
        << answers[0].toStdString();
    EXPECT_TRUE(answers[0].startsWith(QLatin1String("error:"))) << answers[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    LineLengths, ControlSocketLineLength,
    ::testing::Values(
        LineLengthCase{"AtTheLimit", SimControlServer::MaxLineLength, true, false},
        LineLengthCase{"OneByteMore", SimControlServer::MaxLineLength + 1, true, true},
        LineLengthCase{"NeverEnding", SimControlServer::MaxLineLength + 1, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ControlSocketTest, SecondServerOnALiveNameIsRefused)
{
    SimulatedMainUnit other;
    SimControlServer second(other);
    QString error;
    EXPECT_FALSE(second.listen(m_name, &error));
    EXPECT_TRUE(error.contains(QLatin1String("another simulator"))) << error.toStdString();
}

TEST(ControlServer, TakesOverANameLeftBehindByACrashedRun)
{
    // A socket file nobody listens on, as a run that was killed leaves it.
    const QString name = socketName();
    const QByteArray path = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(path.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromLocal8Bit(path)));

    SimulatedMainUnit unit;
    SimControlServer server(unit);
    QString error;
    EXPECT_TRUE(server.listen(name, &error)) << error.toStdString();
}

// removeServer() would delete whatever has the name: a file of the user's is not a stale socket.
TEST(ControlServer, LeavesAFileOfThatNameAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me\n");
    file.close();
    SimulatedMainUnit unit;
    SimControlServer server(unit);
    QString error;
    EXPECT_FALSE(server.listen(path, &error));
    EXPECT_TRUE(error.contains(QLatin1String("not a socket"))) << error.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me\n"));
}

// A client that opens connection after connection, with the descriptors running short, or that
// sends commands without ever reading the answers, is cut off; the server keeps serving.
TEST_F(ControlSocketTest, SurvivesAConnectionFloodAndAClientThatNeverReads)
{
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &previous), 0);
    const auto openDescriptors = rlim_t(QDir(QStringLiteral("/proc/self/fd")).count());
    rlimit tight = previous;
    tight.rlim_cur = openDescriptors + 180;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
    const QByteArray path = QFile::encodeName(m_server.fullServerName());
    std::vector<int> flood;
    for (int i = 0; i < 150; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address));
        flood.push_back(fd);
    }
    waitUntil([] { return false; }, std::chrono::milliseconds(300));
    for (int fd : flood)
        ::close(fd);
    setrlimit(RLIMIT_NOFILE, &previous);
    // Until the server has seen them go, the flood's connections still take its places.
    waitUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(exchange("nak\n", 1), QStringList{QStringLiteral("ok")});

    QLocalSocket deaf;
    deaf.connectToServer(m_name);
    ASSERT_TRUE(waitUntil([&] { return deaf.state() == QLocalSocket::ConnectedState; }));
    deaf.write(QByteArray("nak\n").repeated(1'000'000));
    EXPECT_TRUE(waitUntil([&] { return deaf.state() == QLocalSocket::UnconnectedState; },
                          std::chrono::seconds(20)));
    EXPECT_EQ(exchange("nak\n", 1), QStringList{QStringLiteral("ok")});
}

// As many clients as are served at once connect and say nothing: a command still gets through,
// once they have been dropped.
TEST_F(ControlSocketTest, IdleClientsDoNotKeepACommandOut)
{
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < SimControlServer::MaxConnections; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(m_name);
    }
    EXPECT_EQ(exchange("nak\n", 1, SimControlServer::IdleTimeout + std::chrono::seconds(3)),
              QStringList{QStringLiteral("ok")});
    EXPECT_EQ(idle.front()->state(), QLocalSocket::UnconnectedState);
}

// Opening a FIFO would wait for a writer and block the whole program.
TEST(SimulatedMainUnit, RefusesAFrameThatIsNotARegularFile)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("frame.raw"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    SimulatedMainUnit unit;
    EXPECT_TRUE(runSimCommand(unit, QStringLiteral("frame ") + fifo)
                    .endsWith(QLatin1String("is not a regular file")));
    QString error;
    EXPECT_FALSE(unit.loadFrame(QStringLiteral("/dev/zero"), &error));
    EXPECT_TRUE(error.endsWith(QLatin1String("is not a regular file"))) << error.toStdString();
}

TEST_F(ControlSocketTest, ClientExecutableReportsTheAnswerInItsExitStatus)
{
    QString output;
    EXPECT_EQ(runClient({QStringLiteral("unplug")}, &output), 0);
    EXPECT_EQ(output, QStringLiteral("ok"));
    EXPECT_FALSE(m_unit.isPlugged());

    EXPECT_EQ(runClient({QStringLiteral("unplug")}, &output), 1);
    EXPECT_EQ(output, QStringLiteral("error: the main unit is already unplugged"));

    EXPECT_EQ(runClient({QStringLiteral("coefficients"), QStringLiteral("1,2,3,4")}, &output), 0);
    EXPECT_EQ(m_unit.coefficients(), (ColorCoefficients{1, 2, 3, 4}));

    // An answer of several lines is printed whole.
    EXPECT_EQ(runClient({QStringLiteral("state")}, &output), 0);
    EXPECT_TRUE(output.startsWith(QLatin1String("lamp 0\n"))) << output.toStdString();
    EXPECT_TRUE(output.endsWith(QLatin1String("rotation 0\nok"))) << output.toStdString();
}

TEST_F(ControlSocketTest, ClientResolvesAFrameFileAgainstItsOwnDirectory)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("grey.raw")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(qsizetype(FrameLayout::RawFrameBytes), '\x40'));
    file.close();

    QString output;
    EXPECT_EQ(runClient({QStringLiteral("frame"), QStringLiteral("grey.raw")}, &output, dir.path()),
              0)
        << output.toStdString();
    EXPECT_EQ(m_unit.currentFrame()->front(), 0x40);
}

TEST(ControlClient, UnreachableSimulatorAndMissingArguments)
{
    QProcess client;
    client.start(QStringLiteral(QUILLON_SIMCTL), {socketName(), QStringLiteral("plug")});
    ASSERT_TRUE(client.waitForFinished(20000));
    EXPECT_EQ(client.exitCode(), 2);
    client.start(QStringLiteral(QUILLON_SIMCTL), {socketName()});
    ASSERT_TRUE(client.waitForFinished(20000));
    EXPECT_EQ(client.exitCode(), 2);
}

// Parses the arguments as the program's main does.
SimCommandLine::Setup setUpFrom(const QStringList &arguments)
{
    QCommandLineParser parser;
    SimCommandLine::addOptions(parser);
    EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("quillon")} + arguments))
        << parser.errorText().toStdString();
    return SimCommandLine::createSimulator(parser);
}

TEST(SimCommandLine, WithoutSimulateThereIsNoSimulator)
{
    const SimCommandLine::Setup setup = setUpFrom({});
    EXPECT_EQ(setup.unit, nullptr);
    EXPECT_TRUE(setup.error.isEmpty());
    const SimCommandLine::Setup orphan = setUpFrom({QStringLiteral("--sim-frame=a.raw")});
    EXPECT_EQ(orphan.unit, nullptr);
    EXPECT_EQ(orphan.error, QStringLiteral("--sim-frame needs --simulate"));
}

TEST(SimCommandLine, OptionsConfigureTheSimulator)
{
    const QString name = socketName();
    const SimCommandLine::Setup setup =
        setUpFrom({QStringLiteral("--simulate"), QStringLiteral("--sim-coefficients=1,2,3,4"),
                   QStringLiteral("--sim-control=") + name,
                   QStringLiteral("--sim-fault=comm-not-usb,unplug")});
    ASSERT_NE(setup.unit, nullptr) << setup.error.toStdString();
    EXPECT_EQ(setup.unit->coefficients(), (ColorCoefficients{1, 2, 3, 4}));
    EXPECT_FALSE(setup.unit->isPlugged());
    EXPECT_EQ(runSimCommand(*setup.unit, QStringLiteral("plug")), QStringLiteral("ok"));

    QLocalSocket socket;
    socket.connectToServer(name);
    EXPECT_TRUE(waitUntil([&] { return socket.state() == QLocalSocket::ConnectedState; }));
    socket.write("unplug\n");
    EXPECT_TRUE(waitUntil([&] { return socket.canReadLine(); }));
    EXPECT_FALSE(setup.unit->isPlugged());
}

struct BadOptionCase
{
    const char *option;
    const char *errorStart;
};

class SimCommandLineErrorTest : public ::testing::TestWithParam<BadOptionCase>
{};

TEST_P(SimCommandLineErrorTest, BadValuesAreRefusedWithTheReason)
{
    const SimCommandLine::Setup setup =
        setUpFrom({QStringLiteral("--simulate"), QString::fromLatin1(GetParam().option)});
    EXPECT_EQ(setup.unit, nullptr);
    EXPECT_TRUE(setup.error.startsWith(QString::fromLatin1(GetParam().errorStart)))
        << setup.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Options, SimCommandLineErrorTest,
    ::testing::Values(BadOptionCase{"--sim-coefficients=1,2,3", "--sim-coefficients: "},
                      BadOptionCase{"--sim-coefficients=-1,2,3,4", "--sim-coefficients: "},
                      BadOptionCase{"--sim-frame=/nonexistent.raw", "--sim-frame: cannot open"},
                      BadOptionCase{"--sim-control=", "--sim-control needs a name"},
                      BadOptionCase{"--sim-fault=nak,short-row=0", "--sim-fault: short-row needs"},
                      BadOptionCase{"--sim-fault=", "--sim-fault: empty command"},
                      BadOptionCase{"--sim-sheet=skew=20", "--sim-sheet: skew: a number"}),
    [](const auto &info) { return paramName(info.param.option, info.index); });
} // namespace
