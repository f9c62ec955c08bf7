// SPDX-License-Identifier: MIT
#include "remote/RemoteControlTable.h"

#include "link/CameraCommands.h"

#include <string_view>
#include <vector>

namespace RemoteControl {
namespace {
namespace cc = CameraCommands;

// Rectangles are given by their edges, right and bottom exclusive.
constexpr QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

ControlRow toggle(int id, int onImage, int offImage, QRect rect, QSize hitSize,
                  std::string_view function, ToggleRole role, int argument = 0)
{
    return {id,      ButtonKind::Toggle,    {onImage, offImage, 0}, nullptr, rect,
            hitSize, std::string(function), std::string(),          role,    argument};
}

ControlRow hold(int id, std::array<int, 3> images, QRect rect, std::string press,
                std::string_view release)
{
    return {id,
            ButtonKind::Hold,
            images,
            nullptr,
            rect,
            QSize(),
            std::move(press),
            std::string(release),
            ToggleRole::SendState,
            0};
}

ControlRow push(int id, const char *bitmapName, QRect rect, std::string_view click)
{
    return {id,
            ButtonKind::Push,
            {0, 0, 0},
            bitmapName,
            rect,
            QSize(),
            std::string(click),
            std::string(),
            ToggleRole::SendState,
            0};
}

// Arrow k of the pad (k = 0 to 7, ids 1009 to 1016) has the images 184 + 3k to 186 + 3k.
ControlRow arrow(int id, QRect rect)
{
    const int first = 184 + 3 * (id - FirstArrowId);
    return hold(id, {first, first + 1, first + 2}, rect,
                cc::pointerMoveCommand(cc::pointerDirection(id)), cc::PointerStop);
}

constexpr QSize KeySize(76, 27);
constexpr QSize BarSize(58, 13);
constexpr QSize RotationSize(45, 13);
constexpr std::array<int, 3> BlueBar{182, 183, 183};
constexpr std::array<int, 3> GreenBar{179, 178, 178};

std::vector<ControlRow> makeTable()
{
    using R = ToggleRole;
    return {
        toggle(LockId, 171, 172, edges(37, 35, 113, 62), KeySize, cc::Lock, R::SendState),
        toggle(PointerId, 173, 174, edges(35, 91, 111, 118), KeySize, cc::Pointer, R::Pointer),
        toggle(DoubleZoomId, 175, 176, edges(36, 143, 112, 170), KeySize, cc::DoubleZoom,
               R::SendState),
        arrow(1009, edges(141, 32, 187, 78)),
        arrow(1010, edges(192, 32, 238, 78)),
        arrow(1011, edges(242, 32, 288, 78)),
        arrow(1012, edges(141, 82, 187, 128)),
        arrow(1013, edges(242, 82, 288, 128)),
        arrow(1014, edges(141, 132, 187, 178)),
        arrow(1015, edges(192, 132, 238, 178)),
        arrow(1016, edges(242, 132, 288, 178)),
        hold(1017, BlueBar, edges(21, 368, 79, 381), std::string(cc::ZoomTele), cc::ZoomStop),
        hold(1018, BlueBar, edges(97, 368, 155, 381), std::string(cc::ZoomWide), cc::ZoomStop),
        hold(1019, BlueBar, edges(172, 368, 230, 381), std::string(cc::FocusNear), cc::FocusStop),
        hold(1020, BlueBar, edges(248, 368, 306, 381), std::string(cc::FocusFar), cc::FocusStop),
        hold(1021, GreenBar, edges(101, 434, 157, 446), std::string(cc::IrisOpen), cc::IrisStop),
        hold(1022, GreenBar, edges(176, 434, 232, 446), std::string(cc::IrisClose), cc::IrisStop),
        toggle(BaseLampId, 182, 183, edges(248, 257, 306, 270), BarSize, cc::Lamp, R::Lamp, 1),
        toggle(UpperLampId, 182, 183, edges(172, 257, 230, 270), BarSize, cc::Lamp, R::Lamp, 2),
        toggle(1025, 208, 209, edges(20, 220, 65, 233), RotationSize, cc::Rotation, R::Rotation, 0),
        toggle(1026, 210, 211, edges(75, 220, 120, 233), RotationSize, cc::Rotation, R::Rotation,
               1),
        toggle(1027, 212, 213, edges(130, 220, 175, 233), RotationSize, cc::Rotation, R::Rotation,
               2),
        toggle(1028, 214, 215, edges(185, 220, 230, 233), RotationSize, cc::Rotation, R::Rotation,
               3),
        toggle(1029, 182, 183, edges(248, 294, 306, 307), BarSize, cc::Resolution, R::Resolution,
               0), // VGA
        toggle(1030, 182, 183, edges(172, 294, 230, 307), BarSize, cc::Resolution, R::Resolution,
               1), // SVGA
        toggle(1031, 182, 183, edges(97, 294, 155, 307), BarSize, cc::Resolution, R::Resolution,
               2), // XGA
        toggle(1032, 182, 183, edges(21, 294, 79, 307), BarSize, cc::Resolution, R::Resolution,
               3), // SXGA
        toggle(Rgb1Id, 182, 183, edges(21, 331, 79, 344), BarSize, cc::RgbInput, R::RgbInput, 1),
        toggle(Rgb2Id, 182, 183, edges(97, 331, 155, 344), BarSize, cc::RgbInput, R::RgbInput, 2),
        toggle(PauseId, 182, 183, edges(248, 220, 306, 233), BarSize, cc::Pause, R::Pause),
        toggle(NegaPosiId, 182, 183, edges(21, 257, 79, 270), BarSize, cc::NegaPosi, R::NegaPosi),
        toggle(ColorBwId, 182, 183, edges(97, 257, 155, 270), BarSize, cc::ColorBw, R::ColorBw),
        // Its window is a pixel smaller each way than the bar it shows and answers to.
        toggle(GammaId, 182, 183, edges(248, 331, 304, 343), BarSize, cc::Gamma, R::GammaInverse),
        push(AutoFocusId, "BTN1", edges(248, 405, 306, 418), cc::AutoFocus),
        push(IrisNormalId, "BTN2", edges(26, 434, 82, 446), cc::IrisNormal),
    };
}
} // namespace

std::span<const ControlRow> controlTable()
{
    static const std::vector<ControlRow> table = makeTable();
    return table;
}

const ControlRow *findControl(int id)
{
    if (id < FirstControlId || id > LastControlId)
        return nullptr;
    // Rows are in id order without gaps.
    return &controlTable()[std::size_t(id - FirstControlId)];
}
} // namespace RemoteControl
