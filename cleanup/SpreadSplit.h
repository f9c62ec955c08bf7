// SPDX-License-Identifier: MIT
#pragma once

#include "cleanup/SheetFinder.h"

#include <QImage>

#include <optional>
#include <utility>

// A book's two pages photographed open, parted at the gutter.
namespace SpreadSplit {
// Where the squared spread parts, as a share of its width from the left: the middle of the
// widest band without print near its centre. Nothing when the spread is not wider than high or
// no such band parts two pages of print.
std::optional<double> gutterOf(const QImage &spread);
// The corners on the picture of the left and the right page of the sheet of corners, parted at
// gutter (a share of the squared width), the perspective followed.
std::pair<SheetCorners, SheetCorners> pagesOf(const SheetCorners &corners, double gutter);
} // namespace SpreadSplit
