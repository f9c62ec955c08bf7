// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>

#include <array>
#include <optional>

// The outline of a sheet lying on a desk, as the camera sees it.
struct SheetOutline
{
    // Clockwise from the corner nearest the picture's top left, in the picture's pixels.
    std::array<QPointF, 4> corners;
    // The paper's grey level just inside the outline, 0 to 255.
    int paper = 255;
};

// The sheet on the picture: the largest four-sided outline whose inside differs from its outside
// as paper from a desk. Nothing when no such sheet is in view, as when the page fills the picture.
std::optional<SheetOutline> findSheetOutline(const QImage &picture);
