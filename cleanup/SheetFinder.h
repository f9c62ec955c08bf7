// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>

#include <array>
#include <optional>

// Four corners of a sheet in a picture's pixels, clockwise from the one nearest its top left.
using SheetCorners = std::array<QPointF, 4>;

namespace SheetFinder {
// The sheet lying on the desk: the largest four-sided outline that is lighter inside than
// outside, on desks from dark to light, its edges fitted past fingers that cover a part of them.
// Nothing unless one is found with confidence, nor when the sheet fills the picture.
std::optional<SheetCorners> find(const QImage &picture);
} // namespace SheetFinder
