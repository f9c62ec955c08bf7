// SPDX-License-Identifier: MIT
#include "link/CameraCommands.h"

#include "tests/doubles/RecordingLinkHost.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/doubles/ScriptedTransport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>

namespace cc = CameraCommands;
using ::testing::ElementsAre;

namespace CameraCommands {
void PrintTo(const CameraStatus &s, std::ostream *os)
{
    *os << "{lamp " << s.lamp << ", source " << s.sourceIndex << ", rotation " << s.rotation
        << ", nega " << s.negative << ", b&w " << s.blackAndWhite << ", pointer " << s.pointer
        << ", 2x " << s.doubleZoom << ", pause " << s.pause << ", lock " << s.lock << ", gamma "
        << s.gammaOn << "}";
}
} // namespace CameraCommands

namespace {
ReplyPacket reply(std::string_view bytes)
{
    ReplyPacket packet{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), packet.size()), packet.begin());
    return packet;
}

TEST(CommandText, IsTwoLettersADigitAndTwoBlanks)
{
    EXPECT_EQ(cc::formatCommand("LL", 1), "LL1  ");
    EXPECT_EQ(cc::formatCommand("PM", 8), "PM8  ");
    EXPECT_EQ(cc::formatCommand("RS", 0), "RS0  ");
    for (std::string_view fixed : {cc::ZoomTele, cc::FocusStop, cc::IrisNormal, cc::AutoFocus,
                                   cc::PointerStop, cc::StatusQuery, cc::SecondStatusQuery})
        EXPECT_EQ(fixed.size(), cc::CommandLength) << fixed;
}

TEST(CommandText, PointerMovesOnlyInItsEightDirections)
{
    EXPECT_EQ(cc::pointerMoveCommand(1), "PM1  ");
    EXPECT_EQ(cc::pointerMoveCommand(8), "PM8  ");
    // Anything else stops the pointer rather than making a longer or foreign command.
    EXPECT_EQ(cc::pointerMoveCommand(9), "PM0  ");
    EXPECT_EQ(cc::pointerMoveCommand(12), "PM0  ");
    EXPECT_EQ(cc::pointerMoveCommand(-1), "PM0  ");
}

struct DecodeCase
{
    const char *name;
    std::string_view first;
    std::string_view second;
    cc::CameraStatus expected;
};

class StatusDecodeTest : public ::testing::TestWithParam<DecodeCase>
{};

TEST_P(StatusDecodeTest, Decodes)
{
    EXPECT_EQ(cc::decodeStatus(reply(GetParam().first), reply(GetParam().second)),
              GetParam().expected);
}

cc::CameraStatus status(int lamp, int source, int rotation, bool gamma, bool singlesOn = false)
{
    cc::CameraStatus s;
    s.lamp = lamp;
    s.sourceIndex = source;
    s.rotation = rotation;
    s.gammaOn = gamma;
    s.negative = s.blackAndWhite = s.pointer = s.doubleZoom = s.pause = s.lock = singlesOn;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, StatusDecodeTest,
    ::testing::Values(
        DecodeCase{"ResolutionWhenNoRgbInput", "00000000", "210", status(0, 2, 0, false)},
        DecodeCase{"RgbInputWhateverTheResolution", "01000000", "312", status(0, 4, 2, false)},
        DecodeCase{"Rgb2", "22000000", "003", status(2, 5, 3, true)},
        DecodeCase{"GammaZeroMeansOn", "10000000", "100", status(1, 1, 0, true)},
        DecodeCase{"SinglesOnOnlyForOne", "00111111", "0 0", status(0, 0, 0, false, true)},
        DecodeCase{"SinglesOtherDigitsOff", "00292929", "000", status(0, 0, 0, true)},
        // Each group byte is checked against its own range: a stray RGB digit must not select
        // a resolution, nor a stray resolution digit an RGB input.
        DecodeCase{"RgbDigitBelowRange", "0/000000", "000", status(0, -1, 0, true)},
        DecodeCase{"RgbDigitAboveRange", "03000000", "000", status(0, -1, 0, true)},
        DecodeCase{"ResolutionDigitAboveRange", "00000000", "410", status(0, -1, 0, false)},
        DecodeCase{"RotationAboveRange", "30000000", "014", status(3, 0, -1, false)},
        // An unreadable reply is eight zero bytes: gamma off, nothing selected.
        DecodeCase{"ZeroBytes", "", "", status(-48, -1, -1, false)}),
    [](const auto &info) { return std::string(info.param.name); });

// The scripted camera answers both queries; the link's own recorders take its reports.
class StatusReadTest : public ::testing::Test
{
protected:
    StatusReadTest()
    {
        camera.setReply("QS0  ", {'1', '0', '1', '0', '0', '0', '0', '1'});
        camera.setReply("QS2  ", {'3', '1', '2'});
    }
    ScriptedTransport camera;
    RecordingMessages presenter;
    RecordingLinkHost host{presenter};
    CameraLink link{camera, host};
};

TEST_F(StatusReadTest, StopsWhenTheFirstQueryCannotBeSent)
{
    camera.setMissing(std::string(CommandPipeName));
    EXPECT_FALSE(cc::readCameraStatus(link));
    EXPECT_EQ(camera.openCount(std::string(CommandPipeName)), 1);
    EXPECT_EQ(camera.openCount(std::string(ReplyPipeName)), 0);
    EXPECT_EQ(host.panelCloses, 1);
}

TEST_F(StatusReadTest, ReadsTheSecondReplyEvenWhenItsQueryFails)
{
    int commandOpens = 0;
    camera.setOnOpen([this, &commandOpens](const std::string &pipe) {
        if (pipe == CommandPipeName && ++commandOpens == 2)
            camera.setMissing(pipe);
    });
    const auto read = cc::readCameraStatus(link);
    ASSERT_TRUE(read);
    EXPECT_EQ(camera.openCount(std::string(ReplyPipeName)), 2);
    EXPECT_EQ(presenter.codes(), std::vector<int>{2});
    EXPECT_EQ(read->lamp, 1) << "the first reply still counts";
}

TEST_F(StatusReadTest, UnreadableRepliesReadAsZeros)
{
    camera.setMissing(std::string(ReplyPipeName));
    const auto read = cc::readCameraStatus(link);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, cc::decodeStatus(ReplyPacket{}, ReplyPacket{}));
    EXPECT_EQ(presenter.codes(), (std::vector<int>{3, 3}));
}

TEST_F(StatusReadTest, ControlCommandWaitsForTheAcknowledgementOnlyAfterASend)
{
    camera.setReply("LL1  ", {0x06});
    EXPECT_TRUE(cc::sendControlCommand(link, "LL1  "));
    EXPECT_EQ(camera.openCount(std::string(ReplyPipeName)), 1);

    camera.setReply("LL0  ", {0x15});
    camera.setReply("QS3  ", {'0'});
    EXPECT_FALSE(cc::sendControlCommand(link, "LL0  "));

    camera.setMissing(std::string(CommandPipeName));
    const int readsBefore = camera.openCount(std::string(ReplyPipeName));
    EXPECT_FALSE(cc::sendControlCommand(link, "LL1  "));
    EXPECT_EQ(camera.openCount(std::string(ReplyPipeName)), readsBefore);
}
} // namespace
