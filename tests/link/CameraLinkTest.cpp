// SPDX-License-Identifier: MIT
#include "link/CameraLink.h"

#include "tests/TestSupport.h"
#include "tests/doubles/RecordingLinkHost.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/doubles/ScriptedTransport.h"

#include <algorithm>
#include <cstring>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
using Bytes = ScriptedTransport::Bytes;

class CameraLinkTest : public ::testing::Test
{
protected:
    ScriptedTransport m_transport;
    RecordingMessages m_presenter;
    RecordingLinkHost m_host{m_presenter};
    CameraLink m_link{m_transport, m_host};
};

struct PacketCase
{
    const char *text;
    CommandPacket packet;
};

class CommandPacketTest : public ::testing::TestWithParam<PacketCase>
{};

TEST_P(CommandPacketTest, HoldsTheTextItsZeroAndZeroFill)
{
    EXPECT_EQ(CameraLink::makeCommandPacket(GetParam().text), GetParam().packet);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandPacketTest,
    ::testing::Values(PacketCase{"QS4  ", {0x51, 0x53, 0x34, 0x20, 0x20, 0, 0, 0}},
                      PacketCase{"TR0  ", {0x54, 0x52, 0x30, 0x20, 0x20, 0, 0, 0}},
                      PacketCase{"ABCDEFG", {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0}},
                      PacketCase{"", {0, 0, 0, 0, 0, 0, 0, 0}},
                      // Too long for a packet: byte 7 still terminates the text.
                      PacketCase{"ABCDEFGHIJ", {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0}}),
    [](const auto &info) { return paramName(info.param.text, info.index); });

TEST_F(CameraLinkTest, SendCommandWritesOnePacketAndClosesThePipe)
{
    EXPECT_TRUE(m_link.SendCommand("QS4  "));
    ASSERT_EQ(m_transport.packets().size(), 1u);
    EXPECT_EQ(m_transport.packets()[0], CameraLink::makeCommandPacket("QS4  "));
    ASSERT_EQ(m_transport.transfers().size(), 1u);
    EXPECT_EQ(m_transport.transfers()[0].pipe, "PIPE00");
    EXPECT_EQ(m_transport.transfers()[0].requested, 8u);
    EXPECT_EQ(m_transport.openHandles(), 0);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
    EXPECT_EQ(m_host.panelCloses, 0);
}

TEST_F(CameraLinkTest, WriteByteCountIsNotExamined)
{
    m_transport.forceTransferResult("PIPE00", 3);
    EXPECT_TRUE(m_link.SendCommand("ZO+  "));
    m_transport.forceTransferResult("PIPE00", 0);
    EXPECT_TRUE(m_link.SendCommand("ZO0  "));
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

// A command that cannot be delivered: the pipe is missing, or the write fails or times out.
struct SendFailureCase
{
    bool pipeMissing;
    bool linkMarkedDown;
};

class SendFailureTest : public CameraLinkTest, public ::testing::WithParamInterface<SendFailureCase>
{};

TEST_P(SendFailureTest, ReportsUnlessTheLinkIsDownAndAlwaysClosesThePanel)
{
    std::vector<std::string> log;
    m_presenter.log = &log;
    m_host.log = &log;
    m_host.linkMarkedDown = GetParam().linkMarkedDown;
    if (GetParam().pipeMissing)
        m_transport.setMissing("PIPE00");
    else
        m_transport.forceTransferResult("PIPE00", -1);

    EXPECT_FALSE(m_link.SendCommand("PL1  "));
    if (GetParam().linkMarkedDown) {
        EXPECT_THAT(log, ElementsAre("close panel"));
    } else {
        EXPECT_THAT(log, ElementsAre("message 2", "close panel"));
    }
    EXPECT_EQ(m_transport.openHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, SendFailureTest,
    ::testing::Values(SendFailureCase{true, true}, SendFailureCase{true, false},
                      SendFailureCase{false, true}, SendFailureCase{false, false}),
    [](const auto &info) {
        return std::string(info.param.pipeMissing ? "PipeMissing" : "WriteFails") +
               (info.param.linkMarkedDown ? "LinkDown" : "LinkUp");
    });

// Another program (a scan) holds the camera for the moment: the user hears that, not that the
// transfer failed, and the panel stays open for when the camera is free.
TEST_F(CameraLinkTest, ACameraBusyForTheMomentIsExplainedAndThePanelStays)
{
    std::vector<std::string> log;
    m_presenter.log = &log;
    m_host.log = &log;
    m_transport.setMissing("PIPE00");
    m_transport.refusal = CameraRefusal::Busy;

    EXPECT_FALSE(m_link.SendCommand("PL1  "));
    EXPECT_THAT(log, ElementsAre("message 0"));
    ASSERT_EQ(m_presenter.shown.size(), 1u);
    EXPECT_EQ(m_presenter.shown[0].text, CameraLink::refusalExplanation(CameraRefusal::Busy));
}

// The host presents the message (the window's box adds the caption and two line feeds) and its
// result is ShowLinkError's.
TEST_F(CameraLinkTest, ShowLinkErrorGivesTheHostTheCodeAndItsText)
{
    m_presenter.result = 7;
    EXPECT_EQ(m_link.ShowLinkError(2), 7);
    ASSERT_EQ(m_presenter.shown.size(), 1u);
    EXPECT_EQ(m_presenter.shown[0].code, 2);
    EXPECT_EQ(m_presenter.shown[0].text, QStringLiteral("USB: Failed to transmit."));
}

TEST_F(CameraLinkTest, ShowLinkErrorShowsNothingForUnknownCodes)
{
    m_presenter.result = 7;
    EXPECT_EQ(m_link.ShowLinkError(0), 0);
    EXPECT_EQ(m_link.ShowLinkError(14), 0);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

TEST_F(CameraLinkTest, ReadReplyZeroesWhatAShortReadDoesNotDeliver)
{
    m_transport.setReply("QS4  ", {0x00, 90, 113});
    ReplyPacket reply;
    reply.fill(0xEE);
    m_link.SendCommand("QS4  ");
    EXPECT_TRUE(m_link.ReadReply(reply));
    EXPECT_EQ(reply, (ReplyPacket{0x00, 90, 113, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m_transport.openHandles(), 0);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

// The reply cannot be had: pipe missing, or the read fails or times out.
class ReplyFailureTest : public CameraLinkTest, public ::testing::WithParamInterface<bool>
{};

TEST_P(ReplyFailureTest, ReportsAndReadsAsZeros)
{
    const bool pipeMissing = GetParam();
    if (pipeMissing)
        m_transport.setMissing("PIPE01");
    else
        m_transport.forceTransferResult("PIPE01", -1);
    ReplyPacket reply;
    reply.fill(0xEE);
    EXPECT_FALSE(m_link.ReadReply(reply));
    EXPECT_EQ(reply, ReplyPacket{});
    EXPECT_THAT(m_presenter.codes(), ElementsAre(3));
    EXPECT_EQ(m_host.panelCloses, 0);

    // CheckAck then fails without asking why.
    m_presenter.shown.clear();
    EXPECT_FALSE(m_link.CheckAck());
    EXPECT_THAT(m_presenter.codes(), ElementsAre(3));
    EXPECT_THAT(m_transport.commands(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Causes, ReplyFailureTest, ::testing::Bool(),
                         ::testing::PrintToStringParamName());

struct AckCase
{
    Bytes reply;
    Bytes communicationReply; // answer to the "QS3  " that follows a NAK
    bool acknowledged;
    std::vector<int> messages;
    int panelCloses;
};

class CheckAckTest : public CameraLinkTest, public ::testing::WithParamInterface<AckCase>
{};

TEST_P(CheckAckTest, InterpretsByteZero)
{
    const AckCase &c = GetParam();
    m_transport.setReply("RO1  ", c.reply);
    m_transport.setReply("QS3  ", c.communicationReply);
    ASSERT_TRUE(m_link.SendCommand("RO1  "));
    EXPECT_EQ(m_link.CheckAck(), c.acknowledged);
    EXPECT_EQ(m_presenter.codes(), c.messages);
    EXPECT_EQ(m_host.panelCloses, c.panelCloses);
    const bool nak = !c.reply.empty() && c.reply[0] == 0x15;
    EXPECT_EQ(m_transport.commands().size(), nak ? 2u : 1u);
    if (nak) {
        EXPECT_EQ(m_transport.commands()[1], "QS3  ");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CheckAckTest,
    ::testing::Values(AckCase{{0x06, 0, 0, 0, 0, 0, 0, 0}, {}, true, {}, 0},
                      AckCase{{0x06}, {}, true, {}, 0}, // a one-byte reply still counts
                      AckCase{{0x00, 0, 0, 0, 0, 0, 0, 0}, {}, false, {}, 0},
                      AckCase{{0x07, 0x06}, {}, false, {}, 0}, AckCase{{}, {}, false, {}, 0},
                      AckCase{{0x15}, {'1', 0, 0, 0, 0, 0, 0, 0}, false, {1}, 1},
                      AckCase{{0x15}, {'0', 0, 0, 0, 0, 0, 0, 0}, false, {5}, 0},
                      AckCase{{0x15}, {0x00}, false, {5}, 0}, AckCase{{0x15}, {}, false, {5}, 0}),
    [](const auto &info) {
        return paramName(info.param.acknowledged ? "Acknowledged" : "Refused", info.index);
    });

class ImageBlockTest : public CameraLinkTest
{
protected:
    MemoryBlock m_block = MemoryBlock::allocate(FrameLayout::RawFrameBytes);

    bool rowArrived(int row) const
    {
        const Bytes expected = ScriptedTransport::imageRow(row);
        return std::memcmp(m_block.data() + std::size_t(row - 1) * FrameLayout::RawRowBytes,
                           expected.data(), expected.size()) == 0;
    }
    bool rowUntouched(int row) const
    {
        const std::uint8_t *start =
            m_block.data() + std::size_t(row - 1) * FrameLayout::RawRowBytes;
        return std::all_of(start, start + FrameLayout::RawRowBytes,
                           [](std::uint8_t b) { return b == 0; });
    }
};

TEST_F(ImageBlockTest, ReadsEveryRowInOrderWithProgressAfterEach)
{
    ASSERT_FALSE(m_block.isNull());
    EXPECT_TRUE(m_link.ReadImageBlock(m_block, m_host.recordProgress()));
    std::vector<int> expectedProgress(FrameLayout::RawRows);
    std::iota(expectedProgress.begin(), expectedProgress.end(), 1);
    EXPECT_EQ(m_host.progress, expectedProgress);
    EXPECT_TRUE(rowArrived(1));
    EXPECT_TRUE(rowArrived(513));
    EXPECT_TRUE(rowArrived(1024));
    EXPECT_EQ(m_transport.openCount("PIPE03"), 1);
    EXPECT_EQ(m_transport.transfers().size(), std::size_t(FrameLayout::RawRows));
    EXPECT_EQ(m_transport.openHandles(), 0);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

TEST_F(ImageBlockTest, ShortRowStopsTheTransferAndKeepsTheRowsBeforeIt)
{
    m_transport.setImageRowResult(500, 2559);
    int handlesWhileShown = -1;
    m_presenter.onShow = [&](int) {
        handlesWhileShown = m_transport.openHandles();
    };

    EXPECT_FALSE(m_link.ReadImageBlock(m_block, m_host.recordProgress()));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(4));
    EXPECT_EQ(m_presenter.shown[0].text, QStringLiteral("USB: FAiled to capture image."));
    ASSERT_FALSE(m_host.progress.empty());
    EXPECT_EQ(m_host.progress.back(), 499);
    EXPECT_EQ(m_host.progress.size(), 499u);
    EXPECT_TRUE(rowArrived(499));
    EXPECT_TRUE(rowUntouched(501));
    EXPECT_EQ(handlesWhileShown, 0) << "the pipe is closed before the modal message";
}

TEST_F(ImageBlockTest, MissingImagePipeReportsWithoutProgress)
{
    m_transport.setMissing("PIPE03");
    EXPECT_FALSE(m_link.ReadImageBlock(m_block, m_host.recordProgress()));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(4));
    EXPECT_THAT(m_host.progress, IsEmpty());
}

TEST_F(ImageBlockTest, BlockTooSmallForTheFrameIsRefusedBeforeAnyTransfer)
{
    MemoryBlock small = MemoryBlock::allocate(FrameLayout::RawFrameBytes - 1);
    MemoryBlock none;
    EXPECT_FALSE(m_link.ReadImageBlock(small, m_host.recordProgress()));
    EXPECT_FALSE(m_link.ReadImageBlock(none, m_host.recordProgress()));
    EXPECT_THAT(m_presenter.codes(), ElementsAre(4, 4));
    EXPECT_EQ(m_transport.openCount("PIPE03"), 0);
}

// A camera that stops answering: every kind of transfer is bounded by its time-out, and a
// transfer that times out is reported like the pipe it needed being missing.
struct TimeoutCase
{
    const char *pipe;
    std::chrono::milliseconds timeout;
    int message;
};

class TransferTimeoutTest : public ImageBlockTest, public ::testing::WithParamInterface<TimeoutCase>
{};

TEST_P(TransferTimeoutTest, EveryTransferCarriesItsTimeOutAndFailsWhenItExpires)
{
    const TimeoutCase &c = GetParam();
    const auto run = [&] {
        if (c.pipe == std::string("PIPE00"))
            return m_link.SendCommand("ZO+  ");
        if (c.pipe == std::string("PIPE01")) {
            ReplyPacket reply;
            return m_link.ReadReply(reply);
        }
        return m_link.ReadImageBlock(m_block, m_host.recordProgress());
    };
    ASSERT_TRUE(run());
    ASSERT_FALSE(m_transport.transfers().empty());
    for (const ScriptedTransport::Transfer &t : m_transport.transfers())
        EXPECT_EQ(t.timeout, c.timeout) << t.pipe;
    EXPECT_THAT(m_presenter.shown, IsEmpty());

    m_transport.forceTransferResult(c.pipe, -1);
    EXPECT_FALSE(run());
    EXPECT_THAT(m_presenter.codes(), ElementsAre(c.message));
}

INSTANTIATE_TEST_SUITE_P(Pipes, TransferTimeoutTest,
                         ::testing::Values(TimeoutCase{"PIPE00", CameraLink::CommandTimeout, 2},
                                           TimeoutCase{"PIPE01", CameraLink::ReplyTimeout, 3},
                                           TimeoutCase{"PIPE03", CameraLink::ImageRowTimeout, 4}),
                         [](const auto &info) { return std::string(info.param.pipe); });
} // namespace
