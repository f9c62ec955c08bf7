// SPDX-License-Identifier: MIT
#include "link/UsbTransport.h"

#include "link/CameraLink.h"
#include "link/UsbDeviceWatcher.h"
#include "tests/TestSupport.h"
#include "tests/link/usb/EmulatedUsbBus.h"

#include <QElapsedTimer>

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
constexpr std::size_t RowBytes = FrameLayout::RawRowBytes;

Bytes commandBytes(std::string_view text)
{
    const CommandPacket packet = CameraLink::makeCommandPacket(text);
    return {packet.begin(), packet.end()};
}

Bytes imageRow(int row, std::size_t length = RowBytes)
{
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = std::uint8_t(row * 7 + int(i));
    return bytes;
}

// umockdev does not report a device file being closed, but an open one holds descriptors of
// this process (the file, and both ends of the emulator's socket), so a left-open device shows
// in their count. The emulator's end closes a moment after the program's.
int openDescriptors()
{
    return int(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator()));
}

// The emulator closes its end of the socket on its own thread; on a loaded machine that can take
// seconds.
bool descriptorsBackTo(int count)
{
    return waitUntil([count] { return openDescriptors() == count; }, 10s);
}

std::int64_t sendCommand(PipeTransport &transport, std::string_view text)
{
    auto pipe = transport.open(CommandPipeName);
    if (!pipe)
        return -2;
    return pipe->write(CameraLink::makeCommandPacket(text), 1s);
}

class UsbTransportTest : public ::testing::Test
{
protected:
    EmulatedUsbBus m_bus;
    EmulatedUsbDevice *m_camera = &m_bus.plug(cameraSpec());
    // Made before the transport: libusb tells its newest context of a hot-plug first, so once
    // the watcher reports a change, the transport's context knows of it too.
    UsbDeviceWatcher m_watcher;
    UsbTransport m_transport;
    std::vector<DeviceEvent> m_events;

    void SetUp() override
    {
        QObject::connect(&m_watcher, &DeviceWatcher::deviceChanged,
                         [this](DeviceEvent event, const QString &) { m_events.push_back(event); });
    }

    // Unplugs the camera and plugs in a new one, as a user pulling the cable and putting it back.
    void replugCamera()
    {
        m_events.clear();
        m_bus.unplug(*m_camera);
        m_camera = &m_bus.plug(cameraSpec());
        ASSERT_TRUE(waitUntil([this] { return m_events.size() == 2; }));
    }
};

TEST_F(UsbTransportTest, CommandIsOneEightByteBulkTransferOnTheFirstEndpoint)
{
    EXPECT_EQ(sendCommand(m_transport, "QS4  "), 8);
    const auto out = m_camera->outTransfers();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].endpoint, CommandEndpoint);
    EXPECT_EQ(out[0].urbType, BulkUrb);
    EXPECT_EQ(out[0].bytes, commandBytes("QS4  "));
}

TEST_F(UsbTransportTest, PipesAreTheEndpointsInDescriptorOrder)
{
    // Pipe 2 is the camera's third endpoint (OUT, unused by the program), pipe 3 its fourth.
    auto spare = m_transport.open("PIPE02");
    ASSERT_TRUE(spare);
    EXPECT_EQ(spare->write(commandBytes("X"), 1s), 8);
    ASSERT_EQ(m_camera->outTransfers().size(), 1u);
    EXPECT_EQ(m_camera->outTransfers()[0].endpoint, SpareEndpoint);

    m_camera->queueIn(ImageEndpoint, imageRow(1));
    auto image = m_transport.open(ImagePipeName);
    ASSERT_TRUE(image);
    Bytes row(RowBytes);
    EXPECT_EQ(image->read(row, 1s), std::int64_t(RowBytes));
    EXPECT_EQ(row, imageRow(1));
}

TEST_F(UsbTransportTest, TransfersAgainstAnEndpointsDirectionFailWithoutTouchingIt)
{
    auto reply = m_transport.open(ReplyPipeName);
    auto command = m_transport.open(CommandPipeName);
    ASSERT_TRUE(reply && command);
    EXPECT_EQ(reply->write(commandBytes("QS4  "), 1s), -1);
    Bytes buffer(8);
    EXPECT_EQ(command->read(buffer, 1s), -1);
    EXPECT_THAT(m_camera->outTransfers(), IsEmpty());
    EXPECT_THAT(m_camera->inUrbTypes(CommandEndpoint), IsEmpty());
}

class PipeNameTest : public UsbTransportTest, public ::testing::WithParamInterface<const char *>
{};

TEST_P(PipeNameTest, NamesNoEndpointOfTheCamera)
{
    EXPECT_FALSE(m_transport.open(GetParam()));
}

// The camera has four endpoints; the name must be "PIPE" and two decimal digits.
INSTANTIATE_TEST_SUITE_P(Names, PipeNameTest,
                         ::testing::Values("PIPE04", "PIPE3", "pipe00", "PIPE0x", ""),
                         [](const auto &info) { return paramName(info.param, info.index); });

struct ReplyCase
{
    const char *name;
    Bytes sent;
    std::int64_t expected;
};

void PrintTo(const ReplyCase &c, std::ostream *out)
{
    *out << c.name;
}

class ReplyReadTest : public UsbTransportTest, public ::testing::WithParamInterface<ReplyCase>
{};

TEST_P(ReplyReadTest, KeepsAtMostEightBytes)
{
    const ReplyCase &c = GetParam();
    m_camera->queueIn(ReplyEndpoint, c.sent);
    auto pipe = m_transport.open(ReplyPipeName);
    ASSERT_TRUE(pipe);
    ReplyPacket reply{};
    EXPECT_EQ(pipe->read(reply, 1s), c.expected);
    Bytes expected(c.sent.begin(), c.sent.begin() + std::ptrdiff_t(c.expected));
    expected.resize(reply.size()); // what was not delivered stays zero
    EXPECT_EQ(Bytes(reply.begin(), reply.end()), expected);
    // The reply pipe is an interrupt endpoint, and is read as one.
    EXPECT_THAT(m_camera->inUrbTypes(ReplyEndpoint), ElementsAre(InterruptUrb));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyReadTest,
    ::testing::Values(ReplyCase{"Exact", {0x06, 1, 2, 3, 4, 5, 6, 7}, 8},
                      ReplyCase{"Short", {0x00, 90, 113}, 3},
                      // Read into just 8 bytes, a longer packet would overflow and be lost.
                      ReplyCase{"Longer", {0x15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 8},
                      ReplyCase{"WholePacket", Bytes(64, 0x31), 8}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(UsbTransportTest, ReplyThatNeverComesTimesOutAndLosesNothingAfter)
{
    auto pipe = m_transport.open(ReplyPipeName);
    ASSERT_TRUE(pipe);
    ReplyPacket reply{};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(pipe->read(reply, 150ms), -1);
    EXPECT_GE(clock.elapsed(), 140);
    EXPECT_LT(clock.elapsed(), 3000);

    // The cancelled read took nothing away from the next reply, and the device stayed open.
    m_camera->queueIn(ReplyEndpoint, {0x06, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(pipe->read(reply, 1s), 8);
    EXPECT_EQ(reply[0], 0x06);
    EXPECT_EQ(m_camera->openings(), 1);
}

TEST_F(UsbTransportTest, TimeOutThatHasRunOutDoesNotWaitForEver)
{
    // libusb takes 0 as "no time-out"; a reply arriving late ends such a wait instead of
    // leaving the test hanging.
    auto pipe = m_transport.open(ReplyPipeName);
    ASSERT_TRUE(pipe);
    std::thread lateReply([this] {
        std::this_thread::sleep_for(2s);
        m_camera->queueIn(ReplyEndpoint, {0x06});
    });
    ReplyPacket reply{};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(pipe->read(reply, 0ms), -1);
    EXPECT_LT(clock.elapsed(), 1000);
    lateReply.join();
}

TEST_F(UsbTransportTest, ImageRowsArriveWholeAndInOrderWithoutReopeningTheDevice)
{
    for (int row = 1; row <= FrameLayout::RawRows; ++row)
        m_camera->queueIn(ImageEndpoint, imageRow(row));
    EXPECT_EQ(sendCommand(m_transport, "TR0  "), 8);
    auto pipe = m_transport.open(ImagePipeName);
    ASSERT_TRUE(pipe);
    Bytes row(RowBytes);
    int whole = 0;
    for (int r = 1; r <= FrameLayout::RawRows; ++r)
        whole += pipe->read(row, 1s) == std::int64_t(RowBytes) && row == imageRow(r);
    EXPECT_EQ(whole, FrameLayout::RawRows);
    EXPECT_EQ(m_camera->openings(), 1);
}

TEST_F(UsbTransportTest, ShortRowIsReadAsShort)
{
    m_camera->queueIn(ImageEndpoint, imageRow(1));
    m_camera->queueIn(ImageEndpoint, imageRow(2, RowBytes - 1));
    m_camera->queueIn(ImageEndpoint, imageRow(3));
    auto pipe = m_transport.open(ImagePipeName);
    ASSERT_TRUE(pipe);
    Bytes row(RowBytes);
    EXPECT_EQ(pipe->read(row, 1s), std::int64_t(RowBytes));
    EXPECT_EQ(pipe->read(row, 1s), std::int64_t(RowBytes - 1));
    EXPECT_TRUE(std::equal(row.begin(), row.end() - 1, imageRow(2).begin()));
    // The next row is not mixed into the short one.
    EXPECT_EQ(pipe->read(row, 1s), std::int64_t(RowBytes));
    EXPECT_EQ(row, imageRow(3));
}

TEST_F(UsbTransportTest, StalledEndpointIsClearedForTheNextTransfer)
{
    m_camera->stallNextIn(ReplyEndpoint);
    auto pipe = m_transport.open(ReplyPipeName);
    ASSERT_TRUE(pipe);
    ReplyPacket reply{};
    EXPECT_EQ(pipe->read(reply, 1s), -1);
    EXPECT_THAT(m_camera->clearedHalts(), ElementsAre(ReplyEndpoint));
    m_camera->queueIn(ReplyEndpoint, {0x06});
    EXPECT_EQ(pipe->read(reply, 1s), 1);
}

TEST_F(UsbTransportTest, UnplugDuringAnImageReadFailsItAndAReplugIsFoundAgain)
{
    for (int row = 1; row <= 10; ++row)
        m_camera->queueIn(ImageEndpoint, imageRow(row));
    m_camera->vanishOnInTransfer(ImageEndpoint, 11);
    const int idle = openDescriptors();
    auto pipe = m_transport.open(ImagePipeName);
    ASSERT_TRUE(pipe);
    Bytes row(RowBytes);
    for (int r = 1; r <= 10; ++r)
        ASSERT_EQ(pipe->read(row, 1s), std::int64_t(RowBytes));
    EXPECT_EQ(pipe->read(row, 1s), -1);
    // The device was closed at once, not left open until the next operation.
    EXPECT_TRUE(descriptorsBackTo(idle));
    // Even before the removal is announced, the vanished camera cannot be opened.
    EXPECT_FALSE(m_transport.open(CommandPipeName));
    EXPECT_EQ(pipe->read(row, 1s), -1);

    ASSERT_NO_FATAL_FAILURE(replugCamera());
    EXPECT_EQ(sendCommand(m_transport, "QS4  "), 8);
    ASSERT_EQ(m_camera->outTransfers().size(), 1u);
}

TEST_F(UsbTransportTest, CameraRemovedBetweenOperationsIsReopenedAfterAReplug)
{
    ASSERT_EQ(sendCommand(m_transport, "QS4  "), 8);
    EmulatedUsbDevice &first = *m_camera;

    ASSERT_NO_FATAL_FAILURE(replugCamera());
    const int withFirstOpen = openDescriptors();
    // The first operation after the replug already reaches the new camera.
    EXPECT_EQ(sendCommand(m_transport, "QS3  "), 8);
    ASSERT_EQ(m_camera->outTransfers().size(), 1u);
    EXPECT_EQ(m_camera->outTransfers()[0].bytes, commandBytes("QS3  "));
    EXPECT_EQ(first.outTransfers().size(), 1u);
    EXPECT_EQ(first.openings(), 1);
    EXPECT_TRUE(descriptorsBackTo(withFirstOpen)); // the first closed, the second opened
}

TEST_F(UsbTransportTest, InterfaceHeldByAnotherProgramFailsTheOpenUntilItIsFree)
{
    m_camera->setInterfaceBusy(true);
    EXPECT_FALSE(m_transport.open(CommandPipeName));
    EXPECT_EQ(m_transport.lastRefusal(), CameraRefusal::Busy);

    m_camera->setInterfaceBusy(false);
    EXPECT_EQ(sendCommand(m_transport, "QS4  "), 8);
    EXPECT_EQ(m_camera->openings(), 1); // the device stays open; only its interface is asked for
}

// The program and a scanner backend share the camera: each holds its interface for one
// operation (a command and its reply, a capture), and the other gets it between them.
TEST_F(UsbTransportTest, InterfaceIsHeldForOneOperationAndFreeBetweenOperations)
{
    UsbTransport other;
    m_transport.beginOperation();
    EXPECT_EQ(sendCommand(m_transport, "QS4  "), 8);
    EXPECT_TRUE(m_camera->isClaimed()); // the command's pipe is closed, the operation goes on
    EXPECT_FALSE(other.open(ReplyPipeName));
    EXPECT_EQ(other.lastRefusal(), CameraRefusal::Busy);
    EXPECT_TRUE(m_transport.open(ReplyPipeName));
    m_transport.endOperation();
    EXPECT_FALSE(m_camera->isClaimed());

    EXPECT_EQ(sendCommand(other, "QS4  "), 8);
    EXPECT_FALSE(m_camera->isClaimed());
    EXPECT_EQ(sendCommand(m_transport, "QS4  "), 8);
}

TEST_F(UsbTransportTest, DestroyingTheTransportReleasesAndClosesTheCamera)
{
    const int idle = openDescriptors();
    {
        UsbTransport transport;
        auto pipe = transport.open(CommandPipeName);
        ASSERT_TRUE(pipe);
        EXPECT_TRUE(m_camera->isClaimed());
    }
    EXPECT_FALSE(m_camera->isClaimed());
    EXPECT_TRUE(descriptorsBackTo(idle));
}

TEST(UsbTransportWithoutCamera, OpensNothingWhenOnlyOtherDevicesArePlugged)
{
    EmulatedUsbBus bus;
    bus.plug({0x0B7E, 0x0101, cameraSpec().endpoints}); // same maker, another product
    DeviceSpec otherMaker = cameraSpec();
    otherMaker.vendorId = 0x1234;
    bus.plug(otherMaker);
    UsbTransport transport;
    for (const char *name : {"PIPE00", "PIPE01", "PIPE03"})
        EXPECT_FALSE(transport.open(name)) << name;
    EXPECT_EQ(transport.lastRefusal(), CameraRefusal::None); // absent is not refused
}

TEST(UsbTransportOfAnIncompleteCamera, LacksOnlyTheMissingPipe)
{
    EmulatedUsbBus bus;
    DeviceSpec spec = cameraSpec();
    spec.endpoints.resize(2);
    bus.plug(spec);
    UsbTransport transport;
    EXPECT_TRUE(transport.open(CommandPipeName));
    EXPECT_TRUE(transport.open(ReplyPipeName));
    EXPECT_FALSE(transport.open(ImagePipeName));
}
} // namespace
