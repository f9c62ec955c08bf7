// SPDX-License-Identifier: MIT
#pragma once

#include "app/WindowPlacement.h"

#include <QSize>

#include <optional>

class QWidget;

// Places a top-level window as a stored placement says, shows it with a show command, and reads
// back the placement to store. The stored rectangle is the outer frame, whose width is known
// only once the window is shown: the size is corrected then (shown() must be called from the
// window's show event).
class FramePlacement
{
public:
    explicit FramePlacement(QWidget &window);

    // Without a stored placement: most of the screen, centred, at least the minimum size.
    void placeByDefault(QSize minimum);
    // Moves and sizes the window as placement says and shows it with its show command.
    void apply(const WindowPlacement &placement);
    void show(unsigned showCommand);
    // Shows the window at the stored placement with showCommand (the stored one for
    // ShowNormal), or with showCommand where it is when nothing is stored.
    void activate(std::optional<WindowPlacement> stored, unsigned showCommand);
    // The placement as it would be stored if the window closed now.
    WindowPlacement current() const;
    void shown();

private:
    QWidget &m_window;
    // Minimized and maximized positions are kept as they were read; we do not use them.
    WindowPlacement m_loaded;
    // The outer size the stored placement asks for, until the frame's own width is known.
    QSize m_pendingOuterSize;
};
