// SPDX-License-Identifier: MIT
#include "sim/SimulatedMainUnit.h"

#include "link/CameraLink.h"
#include "link/ReadinessMonitor.h"
#include "tests/TestSupport.h"
#include "tests/doubles/RecordingLinkHost.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/doubles/RecordingStatusSink.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstring>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class SimulatedMainUnitTest : public ::testing::Test
{
protected:
    SimulatedMainUnitTest() { m_host.monitor = &m_monitor; }

    ReplyPacket ask(const char *query)
    {
        ReplyPacket reply{};
        EXPECT_TRUE(m_link.SendCommand(query));
        m_link.ReadReply(reply);
        return reply;
    }
    std::string askDigits(const char *query, std::size_t count)
    {
        const ReplyPacket reply = ask(query);
        return std::string(reinterpret_cast<const char *>(reply.data()), count);
    }
    bool command(const char *text) { return m_link.SendCommand(text) && m_link.CheckAck(); }
    bool capture(MemoryBlock &block)
    {
        return command("TR0  ") && m_link.ReadImageBlock(block, m_host.recordProgress());
    }

    SimulatedMainUnit m_unit;
    RecordingMessages m_presenter;
    RecordingLinkHost m_host{m_presenter};
    RecordingStatusSink m_status;
    CameraLink m_link{m_unit, m_host};
    ReadinessMonitor m_monitor{m_link, m_host, m_status};
    MemoryBlock m_block = MemoryBlock::allocate(FrameLayout::RawFrameBytes);
};

TEST_F(SimulatedMainUnitTest, ReadinessReplyCarriesTheCoefficients)
{
    EXPECT_EQ(ask("QS4  "), (ReplyPacket{0, 90, 113, 23, 11, 0, 0, 0}));
    m_unit.setCoefficients({1, 2, 3, 250});
    EXPECT_EQ(ask("QS4  "), (ReplyPacket{0, 1, 2, 3, 250, 0, 0, 0}));
    EXPECT_EQ(ask("QS3  ")[0], '0');
}

TEST_F(SimulatedMainUnitTest, InitializingCoversExactlyTheNextQueries)
{
    m_unit.setInitializing(2);
    EXPECT_EQ(m_monitor.QueryReadiness(), 1);
    EXPECT_EQ(ask("QS4  ")[1], 90) << "coefficients are sent while initializing too";
    EXPECT_EQ(m_monitor.QueryReadiness(), 0);
}

TEST_F(SimulatedMainUnitTest, StatusQueriesFollowTheControlCommands)
{
    EXPECT_EQ(askDigits("QS0  ", 8), "00000000");
    EXPECT_EQ(askDigits("QS2  ", 3), "210");
    for (const char *c :
         {"PL2  ", "AV1  ", "NP1  ", "CB1  ", "PO1  ", "MA1  ", "RO3  ", "FZ1  ", "LL1  ", "GM0  "})
        ASSERT_TRUE(command(c)) << c;
    EXPECT_EQ(askDigits("QS0  ", 8), "21111111");
    EXPECT_EQ(askDigits("QS2  ", 3), "203");

    // A resolution replaces the RGB input and ends the pause; off switches and the lamp go back
    // to 0.
    for (const char *c : {"RS3  ", "PL0  ", "NP0  ", "LL0  ", "GM1  ", "RO0  "})
        ASSERT_TRUE(command(c)) << c;
    EXPECT_EQ(askDigits("QS0  ", 8), "00011100");
    EXPECT_EQ(askDigits("QS2  ", 3), "310");
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

class VocabularyTest : public SimulatedMainUnitTest,
                       public ::testing::WithParamInterface<const char *>
{};

TEST_P(VocabularyTest, EveryControlCommandIsAcknowledged)
{
    EXPECT_TRUE(command(GetParam()));
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, VocabularyTest,
                         ::testing::Values("ZO+  ", "ZO-  ", "ZO0  ", "FO+  ", "FO-  ", "FO0  ",
                                           "IR+  ", "IR-  ", "IR0  ", "IR1  ", "AF0  ", "PM0  ",
                                           "PM1  ", "PM8  ", "LL0  ", "LL1  ", "PO0  ", "PO1  ",
                                           "MA0  ", "MA1  ", "PL0  ", "PL1  ", "PL2  ", "RO0  ",
                                           "RO3  ", "RS0  ", "RS3  ", "AV1  ", "AV2  ", "FZ0  ",
                                           "FZ1  ", "NP0  ", "NP1  ", "CB0  ", "CB1  ", "GM0  ",
                                           "GM1  ", "TR0  "),
                         [](const auto &info) { return paramName(info.param, info.index); });

class UnknownCommandTest : public SimulatedMainUnitTest,
                           public ::testing::WithParamInterface<const char *>
{};

TEST_P(UnknownCommandTest, IsRefusedAndTheLinkReportsIt)
{
    EXPECT_FALSE(command(GetParam()));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(5));
}

INSTANTIATE_TEST_SUITE_P(Commands, UnknownCommandTest,
                         ::testing::Values("XX0  ", "RO4  ", "PM9  ", "AV0  ", "QS1  ", "ZO+",
                                           "ZO+ ", "zo+  ", "ZO+   "),
                         [](const auto &info) { return paramName(info.param, info.index); });

TEST_F(SimulatedMainUnitTest, NakAppliesOnceToTheNextControlCommand)
{
    m_unit.refuseNextCommand();
    EXPECT_EQ(m_monitor.QueryReadiness(), 0) << "queries are not refused";
    EXPECT_FALSE(command("NP1  "));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(5));
    EXPECT_EQ(askDigits("QS0  ", 3), "000") << "a refused command changes nothing";
    EXPECT_TRUE(command("NP1  "));
}

TEST_F(SimulatedMainUnitTest, NonUsbSettingRefusesCommandsUntilSetBack)
{
    m_unit.setCommunicationUsb(false);
    EXPECT_EQ(ask("QS3  ")[0], '1');
    EXPECT_FALSE(command("ZO+  "));
    EXPECT_FALSE(command("ZO0  "));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(1, 1));
    EXPECT_EQ(m_host.panelCloses, 2);
    m_unit.setCommunicationUsb(true);
    EXPECT_EQ(ask("QS3  ")[0], '0');
    EXPECT_TRUE(command("ZO+  "));
}

TEST_F(SimulatedMainUnitTest, ImageFollowsAnAcknowledgedTransferOnly)
{
    ASSERT_FALSE(m_block.isNull());
    EXPECT_FALSE(m_link.ReadImageBlock(m_block, m_host.recordProgress()))
        << "no transfer started: the read times out";
    EXPECT_THAT(m_presenter.codes(), ElementsAre(4));
    EXPECT_THAT(m_host.progress, IsEmpty());

    m_presenter.shown.clear();
    ASSERT_TRUE(capture(m_block));
    EXPECT_EQ(m_host.progress.back(), 1024);
    const auto frame = m_unit.currentFrame();
    EXPECT_EQ(std::memcmp(m_block.data(), frame->data(), frame->size()), 0);
    EXPECT_FALSE(m_link.ReadImageBlock(m_block, m_host.recordProgress()))
        << "one transfer per acknowledged TR0";
}

TEST_F(SimulatedMainUnitTest, ShortRowCutsTheNextTransferOnce)
{
    ASSERT_TRUE(m_unit.shortenRow(500));
    EXPECT_FALSE(capture(m_block));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(4));
    EXPECT_EQ(m_host.progress.back(), 499);
    m_host.progress.clear();
    EXPECT_TRUE(capture(m_block));
    EXPECT_EQ(m_host.progress.back(), 1024);
    EXPECT_FALSE(m_unit.shortenRow(0));
    EXPECT_FALSE(m_unit.shortenRow(1025));
}

TEST_F(SimulatedMainUnitTest, ShortRowWaitsForATransferThatReachesIt)
{
    ASSERT_TRUE(m_unit.shortenRow(1024));
    m_unit.failNextImagePipe();
    EXPECT_FALSE(capture(m_block));
    EXPECT_FALSE(capture(m_block));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(4, 4));
    EXPECT_EQ(m_host.progress.back(), 1023);
    EXPECT_TRUE(capture(m_block));
}

TEST_F(SimulatedMainUnitTest, PipeFaultsApplyOnce)
{
    m_unit.failNextReplyPipe();
    ReplyPacket reply;
    EXPECT_FALSE(m_link.ReadReply(reply));
    EXPECT_TRUE(m_link.ReadReply(reply));
    m_unit.failNextImagePipe();
    EXPECT_FALSE(capture(m_block));
    EXPECT_TRUE(capture(m_block));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(3, 4));
}

// The command fault skips the readiness question, so it reaches a command whose failure is
// reported; the camera vanishing mid-transfer fails the read and is announced as a removal.
TEST_F(SimulatedMainUnitTest, CommandFailureAndUnplugMidTransferApplyOnce)
{
    m_unit.failNextCommand();
    EXPECT_EQ(m_monitor.QueryReadiness(), 0);
    EXPECT_FALSE(command("NP1  "));
    EXPECT_TRUE(command("NP1  "));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(2));

    QSignalSpy spy(&m_unit.deviceWatcher(), &DeviceWatcher::deviceChanged);
    ASSERT_TRUE(m_unit.unplugAtRow(300));
    EXPECT_FALSE(capture(m_block));
    EXPECT_EQ(m_host.progress.back(), 299);
    EXPECT_FALSE(m_unit.isPlugged());
    EXPECT_TRUE(m_unit.plug());
    EXPECT_TRUE(capture(m_block));
    ASSERT_TRUE(waitUntil([&] { return spy.size() >= 2; }));
    EXPECT_EQ(spy[0][0].value<DeviceEvent>(), DeviceEvent::RemoveComplete);
    EXPECT_EQ(spy[1][0].value<DeviceEvent>(), DeviceEvent::Arrival);
}

TEST_F(SimulatedMainUnitTest, UnplugClosesEveryPipeUntilPlugged)
{
    QSignalSpy spy(&m_unit.deviceWatcher(), &DeviceWatcher::deviceChanged);
    ASSERT_TRUE(command("TR0  "));
    EXPECT_TRUE(m_unit.unplug());
    EXPECT_FALSE(m_unit.unplug());
    for (std::string_view pipe : {CommandPipeName, ReplyPipeName, ImagePipeName})
        EXPECT_EQ(m_unit.open(pipe), nullptr) << pipe;
    EXPECT_EQ(m_monitor.QueryReadiness(), -1);

    EXPECT_TRUE(m_unit.plug());
    EXPECT_FALSE(m_unit.plug());
    EXPECT_EQ(m_monitor.QueryReadiness(), 0);
    EXPECT_FALSE(m_link.ReadImageBlock(m_block, m_host.recordProgress()))
        << "unplugging dropped the transfer";

    ASSERT_TRUE(waitUntil([&] { return spy.size() >= 2; }));
    EXPECT_EQ(spy[0][0].value<DeviceEvent>(), DeviceEvent::RemoveComplete);
    EXPECT_EQ(spy[1][0].value<DeviceEvent>(), DeviceEvent::Arrival);
    EXPECT_EQ(spy[1][1].toString(), QString::fromLatin1(CameraHardwareKey));
}
TEST_F(SimulatedMainUnitTest, PresenceReachesTheReadinessMonitor)
{
    QObject::connect(&m_unit.deviceWatcher(), &DeviceWatcher::deviceChanged, &m_monitor,
                     &ReadinessMonitor::OnDeviceChange);
    ASSERT_EQ(m_monitor.QueryReadiness(), 0);

    m_unit.announceOtherDevice();
    m_unit.unplug();
    ASSERT_TRUE(waitUntil([&] { return !m_presenter.shown.empty(); }));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(6));
    EXPECT_THAT(m_status.requests, ElementsAre(StringId::NotReady));
    EXPECT_TRUE(m_monitor.isTimerArmed());

    m_unit.setInitializing(1);
    m_unit.plug();
    ASSERT_TRUE(waitUntil([&] { return m_status.requests.size() == 2; }));
    EXPECT_EQ(m_status.last(), StringId::Initializing);
    EXPECT_FALSE(isCameraHardwareKey(QString::fromLatin1(SimulatedMainUnit::OtherDeviceKey)));
}

TEST_F(SimulatedMainUnitTest, LoadedFrameIsServedVerbatimWhateverTheSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frame.raw"));
    QByteArray bytes(qsizetype(FrameLayout::RawFrameBytes), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i % 251);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QString error;
    ASSERT_TRUE(m_unit.loadFrame(path, &error)) << error.toStdString();
    ASSERT_TRUE(command("NP1  "));
    ASSERT_TRUE(capture(m_block));
    EXPECT_EQ(std::memcmp(m_block.data(), bytes.constData(), std::size_t(bytes.size())), 0);
}

TEST_F(SimulatedMainUnitTest, FramesOfAnotherSizeAreRefusedWithTheReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.raw"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(qsizetype(FrameLayout::RawFrameBytes) - 1, '\x10'));
    file.close();

    const auto before = m_unit.currentFrame();
    QString error;
    EXPECT_FALSE(m_unit.loadFrame(path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("2621439 bytes"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("2621440"))) << error.toStdString();
    EXPECT_FALSE(m_unit.loadFrame(dir.filePath(QStringLiteral("missing.raw")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.raw"))) << error.toStdString();
    EXPECT_EQ(m_unit.currentFrame(), before);
}
} // namespace

namespace {
// Two processes' simulators on one lock file share the unit as two programs share the camera:
// each holds it for one operation, the other is refused as busy meanwhile, and has it after.
// (Each open of the lock file is a lock of its own, so two units in one process stand in for
// two processes.)
TEST(SharedSimulatedMainUnit, IsHeldForOneOperationAndBusyForTheOtherMeanwhile)
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("unit.lock"));
    SimulatedMainUnit program;
    SimulatedMainUnit scanner;
    QString error;
    ASSERT_TRUE(program.shareThrough(lock, &error)) << error.toStdString();
    ASSERT_TRUE(scanner.shareThrough(lock, &error)) << error.toStdString();

    program.beginOperation();
    EXPECT_TRUE(program.open(CommandPipeName));
    EXPECT_TRUE(program.open(ReplyPipeName)); // its own operation goes on
    EXPECT_FALSE(scanner.open(CommandPipeName));
    EXPECT_EQ(scanner.lastRefusal(), CameraRefusal::Busy);
    program.endOperation();

    auto pipe = scanner.open(ImagePipeName); // outside an operation: held while it is open
    ASSERT_TRUE(pipe);
    EXPECT_EQ(scanner.lastRefusal(), CameraRefusal::None);
    EXPECT_FALSE(program.open(CommandPipeName));
    pipe.reset();
    EXPECT_TRUE(program.open(CommandPipeName));
}

// A lock file another user could hold for ever, or that points elsewhere, is not used.
TEST(SharedSimulatedMainUnit, RefusesALinkedLockFile)
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("target"));
    const QString link = folder.filePath(QStringLiteral("unit.lock"));
    ASSERT_TRUE(QFile::link(target, link));
    SimulatedMainUnit unit;
    QString error;
    EXPECT_FALSE(unit.shareThrough(link, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(unit.open(CommandPipeName)); // unshared, it works on its own
}
} // namespace
