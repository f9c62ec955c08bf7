// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <optional>

// The curl of a book's page straightened: Leptonica builds a model of how the page's lines of
// print bow from the lines themselves, and moves the pixels by it.
namespace Dewarp {
// The fewest lines of print a model is built from; fewer tell too little of the curl.
constexpr int FewestLines = 15;

// The squared, level page (lines of print across) flattened; nothing when it has too few long
// lines of print for a model, and is then to be left as it is.
std::optional<QImage> flatten(const QImage &page);
} // namespace Dewarp
