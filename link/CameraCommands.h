// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraCommandTexts.h"
#include "link/FrameLayout.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class CameraLink;

// The camera's remote-control vocabulary beyond its texts (CameraCommandTexts.h): commands built
// from settings, the pointer pad, and the status replies. No widgets: the panel uses it, and so
// can any other client of the link.
namespace CameraCommands {
// The command of a two-letter function with one decimal digit (0 to 9) as its argument.
std::string formatCommand(std::string_view function, int digit);

// The eight keys of the pointer pad and the direction each one sends.
struct PointerKey
{
    int controlId;
    int direction;
};
inline constexpr std::array<PointerKey, 8> PointerKeys{{
    {1009, 6}, // up-left
    {1010, 3}, // up
    {1011, 5}, // up-right
    {1012, 2}, // left
    {1013, 1}, // right
    {1014, 8}, // down-left
    {1015, 4}, // down
    {1016, 7}, // down-right
}};
// The direction of an arrow key, or 0 (no motion) for any other control.
int pointerDirection(int controlId);
// Starts the pointer moving; a direction outside 1 to 8 moves nothing ("PM0  ").
std::string pointerMoveCommand(int direction);

// The camera's settings as its two status replies report them. Positions in a group use the
// buttons' order; anything outside a group's range lights none of its buttons.
struct CameraStatus
{
    int lamp = 0;          // 0 off, 1 BASE, 2 UPPER
    int sourceIndex = -1;  // 0 to 3 VGA, SVGA, XGA, SXGA; 4 RGB1; 5 RGB2
    int rotation = -1;     // 0 to 3: 0, 90, 180, 270 degrees
    bool negative = false; // the single settings are on only for the digit 1
    bool blackAndWhite = false;
    bool pointer = false;
    bool doubleZoom = false;
    bool pause = false;
    bool lock = false;
    bool gammaOn = false; // the digit 0 means on, as in "GM0  "

    friend bool operator==(const CameraStatus &, const CameraStatus &) = default;
};
inline constexpr int SourceRgb1Index = 4;

// Decodes the replies to "QS0  " and "QS2  ".
CameraStatus decodeStatus(const ReplyPacket &first, const ReplyPacket &second);

// Reads both status replies. Nothing when the first query cannot be sent (the link has reported
// that and asked the panel to close). The second query's reply is read and decoded whatever
// its send did; a reply that cannot be read counts as eight zero bytes.
std::optional<CameraStatus> readCameraStatus(CameraLink &link);

// Sends a control command and, only when the send went through, waits for its acknowledgement.
// True only for an acknowledged command.
bool sendControlCommand(CameraLink &link, std::string_view command);
} // namespace CameraCommands
