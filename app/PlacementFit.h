// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include <span>

// Where a stored window rectangle is shown, as the platform's placement call does it: a window
// partly on a screen stays where it is; one wholly off every screen (its monitor is gone) moves
// onto the nearest screen's available area; one larger than that area is shrunk to fit and
// moved inside it. Without screens, or for an empty rectangle, the rectangle is kept.
QRect fitToScreens(const QRect &window, std::span<const QRect> availableAreas);
