// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

#include <array>
#include <span>
#include <string>

// The remote panel's 35 keys, one row each. The panel lays them out, gives them their images
// and sends their commands by walking this table.
namespace RemoteControl {
enum ControlId : int
{
    LockId = 1006,
    PointerId = 1007,
    DoubleZoomId = 1008,
    FirstArrowId = 1009,
    LastArrowId = 1016,
    BaseLampId = 1023,
    UpperLampId = 1024,
    FirstRotationId = 1025,
    FirstResolutionId = 1029,
    Rgb1Id = 1033,
    Rgb2Id = 1034,
    PauseId = 1035,
    NegaPosiId = 1036,
    ColorBwId = 1037,
    GammaId = 1038,
    AutoFocusId = 1039,
    IrisNormalId = 1040,
    FirstControlId = LockId,
    LastControlId = IrisNormalId,
};
inline constexpr int ControlCount = LastControlId - FirstControlId + 1;

enum class ButtonKind
{
    Toggle,
    Hold,
    Push,
};

// What a toggle key's click does besides flipping it.
enum class ToggleRole
{
    SendState,   // sends its new state
    Pointer,     // sends its state; the arrow pad follows once the camera agrees
    Lamp,        // one of the lamp pair; sends the lamp now lit, 0 for none
    Rotation,    // selects its rotation; releases PAUSE
    Resolution,  // selects its resolution; releases PAUSE
    RgbInput,    // selects its RGB input; PAUSE stays
    Pause,       // sends its state; COLOR/B&W is locked while PAUSE is on
    NegaPosi,    // sends its state; its caption on the panel changes
    ColorBw,     // sends its state; its caption on the panel changes
    GammaInverse // sends 0 for on and 1 for off
};

// Consecutive toggle keys of which at most one is lit.
struct RadioGroup
{
    int firstId;
    int lastId;
    int size() const { return lastId - firstId + 1; }
    bool contains(int id) const { return id >= firstId && id <= lastId; }
};
inline constexpr RadioGroup LampGroup{BaseLampId, UpperLampId};
inline constexpr RadioGroup RotationGroup{FirstRotationId, 1028};
inline constexpr RadioGroup SourceGroup{FirstResolutionId, Rgb2Id}; // four resolutions, 2 RGB

struct ControlRow
{
    int id;
    ButtonKind kind;
    // Toggle: on, off. Hold: pressed, normal, disabled.
    std::array<int, 3> images;
    // Push: the name its up and down bitmaps are called after.
    const char *bitmapName;
    QRect rect;
    // Toggle: the hit rectangle, the size of its images.
    QSize hitSize;
    // Hold: the commands of its press and of its release. Push: the command of its click.
    // Toggle: the function letters of its command.
    std::string press;
    std::string release;
    ToggleRole role;
    // Toggle: the digit a group key (lamp, rotation, resolution, RGB input) sends.
    int argument;
};

// Every key, by id from 1006 to 1040.
std::span<const ControlRow> controlTable();
// The row of a key, or null.
const ControlRow *findControl(int id);
} // namespace RemoteControl
