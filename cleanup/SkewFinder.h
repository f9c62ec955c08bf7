// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <optional>

namespace SkewFinder {
// How far the lines of print may lean for find() to measure them, in degrees either way.
constexpr double Range = 12;
// Twice a camera's page is enough for the lines' angle to a hundredth of a degree.
constexpr float MeasuringEnlargement = 2;

// The angle in degrees by which the page is to be turned clockwise for its lines of print to
// lie level (or plumb, on a page lying sideways), measured on its black and white form
// (PageTone::blackAndWhite(), enlarged MeasuringEnlargement times at most); nothing when the page
// holds too little print to tell.
std::optional<double> find(const QImage &bilevel);
// The page turned clockwise by degrees about its centre, at its size; the corners turned in are
// filled from the page's edges, which are paper.
QImage rotate(const QImage &page, double degrees);
} // namespace SkewFinder
