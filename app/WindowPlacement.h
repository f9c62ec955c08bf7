// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

#include <optional>

// Show commands as the stored placement records them.
namespace ShowCommand {
inline constexpr unsigned Hide = 0;
inline constexpr unsigned ShowNormal = 1;
inline constexpr unsigned ShowMinimized = 2;
inline constexpr unsigned ShowMaximized = 3;
inline constexpr unsigned ShowNoActivate = 4;
inline constexpr unsigned Show = 5;
inline constexpr unsigned Minimize = 6;
inline constexpr unsigned ShowMinNoActive = 7;
inline constexpr unsigned ShowNA = 8;
inline constexpr unsigned Restore = 9;
inline constexpr unsigned ShowDefault = 10;
} // namespace ShowCommand

// The main window's placement as stored under "WindowPos": ten comma-separated numbers, the
// fields of a Windows WINDOWPLACEMENT without its length. The normal rectangle is the outer
// frame of the restored window, right and bottom exclusive. The text stays readable by every
// release that wrote it, on any platform.
struct WindowPlacement
{
    // The window should be restored to maximized after being minimized.
    static constexpr unsigned RestoreToMaximized = 2;

    unsigned flags = 0;
    unsigned showCommand = ShowCommand::ShowNormal;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // The normal rectangle as a QRect (right and bottom exclusive in the record), empty when
    // right or bottom is not beyond left or top. Coordinates are first clamped to what a window
    // can have at all, so that no stored value overflows the arithmetic.
    QRect normalRect() const;
    void setNormalRect(const QRect &rect);

    bool isMaximized() const { return showCommand == ShowCommand::ShowMaximized; }
    bool isMinimized() const;

    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d". Empty text or fewer than ten fields: nothing; text after
// the tenth field is ignored.
std::optional<WindowPlacement> parseWindowPlacement(const QString &text);
QString formatWindowPlacement(const WindowPlacement &placement);
