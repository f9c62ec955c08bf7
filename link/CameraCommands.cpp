// SPDX-License-Identifier: MIT
#include "link/CameraCommands.h"

#include "link/CameraLink.h"

#include <QtGlobal>

namespace CameraCommands {
namespace {
// The value of a reply byte, an ASCII digit; other bytes give values outside every range.
int digitValue(std::uint8_t byte)
{
    return int(byte) - '0';
}

bool isOn(std::uint8_t byte)
{
    return digitValue(byte) == 1;
}

int inRange(int value, int count)
{
    return value >= 0 && value < count ? value : -1;
}

constexpr int ResolutionCount = 4;
constexpr int RgbInputCount = 2;
constexpr int RotationCount = 4;
} // namespace

std::string formatCommand(std::string_view function, int digit)
{
    Q_ASSERT(function.size() == 2 && digit >= 0 && digit <= 9);
    std::string text(function);
    text += char('0' + digit);
    text += "  ";
    return text;
}

int pointerDirection(int controlId)
{
    for (const PointerKey &key : PointerKeys) {
        if (key.controlId == controlId)
            return key.direction;
    }
    return 0;
}

std::string pointerMoveCommand(int direction)
{
    return formatCommand(PointerMove, direction >= 1 && direction <= 8 ? direction : 0);
}

CameraStatus decodeStatus(const ReplyPacket &first, const ReplyPacket &second)
{
    CameraStatus status;
    status.lamp = digitValue(first[0]);
    status.negative = isOn(first[2]);
    status.blackAndWhite = isOn(first[3]);
    status.pointer = isOn(first[4]);
    status.doubleZoom = isOn(first[5]);
    status.pause = isOn(first[6]);
    status.lock = isOn(first[7]);

    // RGB1 and RGB2 share one group with the four resolutions; the resolution counts only while
    // no RGB input is selected. Each byte is checked against its own range, so that a stray
    // digit in one cannot select a button that belongs to the other.
    const int rgbInput = digitValue(first[1]);
    if (rgbInput == 0)
        status.sourceIndex = inRange(digitValue(second[0]), ResolutionCount);
    else if (inRange(rgbInput - 1, RgbInputCount) >= 0)
        status.sourceIndex = SourceRgb1Index + rgbInput - 1;
    else
        status.sourceIndex = -1;

    status.gammaOn = digitValue(second[1]) == 0;
    status.rotation = inRange(digitValue(second[2]), RotationCount);
    return status;
}

std::optional<CameraStatus> readCameraStatus(CameraLink &link)
{
    const CameraLink::Operation operation(link);
    if (!link.SendCommand(StatusQuery))
        return std::nullopt;
    ReplyPacket first{};
    link.ReadReply(first); // a reply that cannot be read stays all zeros
    link.SendCommand(SecondStatusQuery);
    ReplyPacket second{};
    link.ReadReply(second);
    return decodeStatus(first, second);
}

bool sendControlCommand(CameraLink &link, std::string_view command)
{
    const CameraLink::Operation operation(link);
    return link.SendCommand(command) && link.CheckAck();
}
} // namespace CameraCommands
