// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"

#include <string>

// The camera's own settings, as its status queries report them.
struct CameraSettings
{
    int lamp = 0;       // 0 off, 1 BASE, 2 UPPER
    int rgbInput = 0;   // 0: a resolution is selected, 1 RGB1, 2 RGB2
    int resolution = 2; // 0 VGA, 1 SVGA, 2 XGA, 3 SXGA
    int rotation = 0;   // 0 to 3: 0, 90, 180, 270 degrees
    bool gammaOn = false;
    bool negative = false;
    bool blackAndWhite = false;
    bool pointer = false;
    bool doubleZoom = false;
    bool pause = false;
    bool lock = false;

    // The camera ends a pause when the picture's geometry changes; a resolution ends an RGB input.
    void selectResolution(int value)
    {
        resolution = value;
        rgbInput = 0;
        pause = false;
    }
    void selectRotation(int value)
    {
        rotation = value;
        pause = false;
    }
};

// The camera's vocabulary as the simulator understands it, written from the camera's side and
// independently of the panel's, so that each checks the other. A command is two letters, one
// argument character and two blanks.
namespace SimCommandSet {
inline constexpr std::uint8_t Ack = 0x06;
inline constexpr std::uint8_t Nak = 0x15;

// A control command: its two letters, the argument characters the camera accepts, and what it
// does to the settings (nothing for motions and one-off actions).
struct ControlCommand
{
    const char *name;
    const char *arguments;
    void (*apply)(CameraSettings &, char argument);
};

// "QS0  ", "QS2  ", "QS3  " or "QS4  ".
bool isStatusQuery(const std::string &text);
// What the camera reports besides its settings.
struct UnitState
{
    bool communicationUsb = true;
    bool initializing = false;
    ColorCoefficients coefficients;
};
// The reply to a status query.
ReplyPacket answerStatusQuery(const std::string &query, const CameraSettings &settings,
                              const UnitState &unit);
// The control command a text names with an accepted argument; nullptr for anything else.
const ControlCommand *findControl(const std::string &text);
} // namespace SimCommandSet
