// SPDX-License-Identifier: MIT
#include "link/CameraLink.h"
#include "link/LinkError.h"
#include "link/UsbDeviceWatcher.h"
#include "link/UsbTransport.h"
#include "tests/TestSupport.h"
#include "tests/doubles/RecordingLinkHost.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/link/usb/EmulatedUsbBus.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
using namespace FrameLayout;
constexpr std::uint8_t Ack = 0x06;
const ColorCoefficients Coefficients{90, 113, 23, 11};

Bytes frameRow(int row)
{
    Bytes bytes(RawRowBytes);
    for (std::size_t i = 0; i < RawRowBytes; ++i)
        bytes[i] = std::uint8_t((row * 131 + int(i) * 7) >> 2);
    return bytes;
}

// The camera's side of a capture: "QS4  " answers ready with the coefficients, "TR0  " is
// acknowledged and followed by the frame on the image endpoint.
void answerLikeTheCamera(EmulatedUsbDevice &camera)
{
    camera.setResponder([](EmulatedUsbDevice &device, const EmulatedUsbDevice::OutTransfer &out) {
        const std::string text(out.bytes.begin(), std::find(out.bytes.begin(), out.bytes.end(), 0));
        if (text == "QS4  ") {
            device.queueIn(ReplyEndpoint,
                           {0, Coefficients.k0, Coefficients.k1, Coefficients.k2, Coefficients.k3});
        } else if (text == "TR0  ") {
            device.queueIn(ReplyEndpoint, {Ack});
            for (int row = 1; row <= RawRows; ++row)
                device.queueIn(ImageEndpoint, frameRow(row));
        }
    });
}

class CameraLinkOverUsbTest : public ::testing::Test
{
protected:
    EmulatedUsbBus m_bus;
    EmulatedUsbDevice *m_camera = &m_bus.plug(cameraSpec());
    UsbDeviceWatcher m_watcher; // before the transport; see UsbTransportTest
    UsbTransport m_transport;
    RecordingMessages m_presenter;
    RecordingLinkHost m_host{m_presenter};
    CameraLink m_link{m_transport, m_host};

    void SetUp() override { answerLikeTheCamera(*m_camera); }

    // The capture's exchange up to the image: readiness with coefficients, then the transfer.
    void startCapture()
    {
        ASSERT_TRUE(m_link.SendCommand("QS4  "));
        ReplyPacket reply{};
        ASSERT_TRUE(m_link.ReadReply(reply));
        EXPECT_EQ(reply[0], 0);
        EXPECT_EQ((ColorCoefficients{reply[1], reply[2], reply[3], reply[4]}), Coefficients);
        ASSERT_TRUE(m_link.SendCommand("TR0  "));
        ASSERT_TRUE(m_link.CheckAck());
    }
};

TEST_F(CameraLinkOverUsbTest, CapturesAWholeFrameOverOneOpeningOfTheDevice)
{
    ASSERT_NO_FATAL_FAILURE(startCapture());
    MemoryBlock block = MemoryBlock::allocate(RawFrameBytes);
    ASSERT_FALSE(block.isNull());
    ASSERT_TRUE(m_link.ReadImageBlock(block, m_host.recordProgress()));

    int rowsIntact = 0;
    for (int row = 1; row <= RawRows; ++row) {
        const auto bytes = block.bytes().subspan(std::size_t(row - 1) * RawRowBytes, RawRowBytes);
        rowsIntact += std::ranges::equal(bytes, frameRow(row));
    }
    EXPECT_EQ(rowsIntact, RawRows);
    ASSERT_EQ(m_host.progress.size(), std::size_t(RawRows));
    EXPECT_EQ(m_host.progress.back(), RawRows);
    EXPECT_THAT(m_presenter.codes(), IsEmpty());
    EXPECT_EQ(m_camera->openings(), 1);
}

TEST_F(CameraLinkOverUsbTest, UnplugDuringTheImageFailsTheCaptureAndTheReplugCapturesAgain)
{
    m_camera->vanishOnInTransfer(ImageEndpoint, 600);
    ASSERT_NO_FATAL_FAILURE(startCapture());
    MemoryBlock block = MemoryBlock::allocate(RawFrameBytes);
    EXPECT_FALSE(m_link.ReadImageBlock(block, m_host.recordProgress()));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(int(LinkError::CaptureFailed)));
    EXPECT_EQ(m_host.progress.back(), 599);

    int reports = 0;
    QObject::connect(&m_watcher, &DeviceWatcher::deviceChanged, [&] { ++reports; });
    m_bus.unplug(*m_camera);
    m_camera = &m_bus.plug(cameraSpec());
    answerLikeTheCamera(*m_camera);
    ASSERT_TRUE(waitUntil([&] { return reports == 2; }));

    m_presenter.shown.clear();
    m_host.progress.clear();
    ASSERT_NO_FATAL_FAILURE(startCapture());
    EXPECT_TRUE(m_link.ReadImageBlock(block, m_host.recordProgress()));
    EXPECT_THAT(m_presenter.codes(), IsEmpty());
}

TEST_F(CameraLinkOverUsbTest, ArrivalHandlerCanTalkToTheCameraAtOnce)
{
    // What the main frame does on an arrival: ask the camera whether it is ready. The report
    // comes as a queued call, outside libusb's event handling, so this works from the handler.
    m_bus.unplug(*m_camera);
    std::optional<ReplyPacket> answer;
    QObject::connect(&m_watcher, &DeviceWatcher::deviceChanged,
                     [&](DeviceEvent event, const QString &key) {
                         if (event != DeviceEvent::Arrival || !isCameraHardwareKey(key))
                             return;
                         ReplyPacket reply{0xFF};
                         if (m_link.SendCommand("QS4  ") && m_link.ReadReply(reply))
                             answer = reply;
                     });
    m_camera = &m_bus.plug(cameraSpec());
    answerLikeTheCamera(*m_camera);
    ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }));
    EXPECT_EQ((*answer)[0], 0);
    EXPECT_EQ((*answer)[1], Coefficients.k0);
}
} // namespace
