// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>

#include <array>
#include <optional>

// Four corners of a sheet in a picture's pixels, clockwise from the one nearest its top left.
using SheetCorners = std::array<QPointF, 4>;

// The outline of a sheet lying on a desk, as the camera sees it.
struct SheetOutline
{
    SheetCorners corners;
    // The paper's grey level just inside the outline, 0 to 255.
    int paper = 255;
};

namespace SheetFinder {
// The sheet on the picture: the largest four-sided outline whose inside differs from its outside
// along every side as paper from a desk, its sides fitted to the paper's own edge past a finger
// or a shadow. Nothing when no such sheet is in view: the page fills the picture, or the frame
// cuts the sheet off.
std::optional<SheetOutline> find(const QImage &picture);
// The corners a page is cut from the picture at: the outline's, drawn in by a pixel or two so
// that no line of the desk is left at the page's edge.
SheetCorners pageCorners(const SheetOutline &outline);
} // namespace SheetFinder
