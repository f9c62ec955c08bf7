// SPDX-License-Identifier: MIT
#pragma once

#include "app/WindowPlacement.h"

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

// What the window system tells a window about the desktop; tests give fake screens and frames.
struct WindowSystem
{
    // The screens' areas that panels leave free.
    std::function<QList<QRect>()> availableAreas;
    // What the window manager's frame (title bar, borders) adds around the window; nothing until
    // the window manager has framed it.
    std::function<QMargins(const QWidget &)> frameMargins;
    // False on Wayland: the compositor places windows, and a window cannot learn where it is.
    bool placesWindows = true;

    static WindowSystem current();
};

// Places a top-level window as a stored placement says, shows it with a show command, and reads
// back the placement to store. The stored rectangle is the outer frame, whose margins are known
// only once the window manager has framed the window: the stored rectangle is applied exactly
// then (windowChanged() must be called on the window's move, resize and state events), or, for
// a window started maximized or minimized, when it is first restored.
class FramePlacement
{
public:
    explicit FramePlacement(QWidget &window, WindowSystem system = WindowSystem::current());

    // Without a stored placement: most of the screen, centred, at least the minimum size.
    void placeByDefault(QSize minimum);
    // Moves and sizes the window as placement says and shows it with its show command.
    void apply(const WindowPlacement &placement);
    void show(unsigned showCommand);
    // Shows the window at the stored placement with showCommand (the stored one for
    // ShowNormal), or with showCommand where it is when nothing is stored.
    void activate(std::optional<WindowPlacement> stored, unsigned showCommand);
    // The placement as it would be stored if the window closed now. Where the window system
    // does not tell a window its position, the position stored before is kept (or, without one,
    // the window centred on the screen): only the size is the window's.
    WindowPlacement current() const;
    // The window moved, was resized or changed state.
    void windowChanged();

private:
    bool isRestored() const;
    // Sizes (and where it can, moves) the window so that with frame its outer rectangle is outer.
    void applyOuter(const QRect &outer, const QMargins &frame);
    QRect centredOnScreen(QSize size) const;

    QWidget &m_window;
    WindowSystem m_system;
    // Minimized and maximized positions are kept as they were read; we do not use them.
    WindowPlacement m_loaded;
    std::optional<QPoint> m_storedPosition;
    // The outer rectangle the stored placement asks for, applied again whenever the window
    // manager's frame changes, until the window is moved or sized otherwise.
    std::optional<QRect> m_pendingOuter;
    // What the last application asked for: the frame it assumed and the window's rectangle.
    QMargins m_appliedFrame;
    QRect m_appliedGeometry;
    bool m_applying = false;
    // A window manager may tell new margins after the move or state change that brought them
    // (openbox does on restoring a maximized window): they are looked at once more a moment
    // later.
    static constexpr int FrameSettleMs = 100;
    QTimer m_recheck;
};
