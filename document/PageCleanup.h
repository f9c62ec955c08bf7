// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageEdits.h"

#include <QImage>

#include <optional>
#include <utility>

// A page made of its source picture by its edits, and the edits the clean-up finds for a page.
namespace PageCleanup {
// The page its edits make of source: squared to its corners, turned level by its skew, turned
// by its quarter turns, in its colour mode (Grey and Black and white with the light evened out;
// Colour as photographed). Safe to use on any thread.
QImage render(const QImage &source, const PageEdits &edits);

struct Enlarged
{
    QImage page;
    // Its pixels per pixel of the camera's picture.
    double scale = 1;
};
// The page of render() to be read for its text: in its colours as photographed, whatever its
// mode, and squared at a larger scale where it is squared to corners, so that small print keeps
// its letters. Safe to use on any thread.
Enlarged renderForReading(const QImage &source, const PageEdits &edits);

// The skew of the print on the page that edits' corners square on picture, in degrees
// clockwise to turn it level; 0 when the page holds too little print to tell.
double skewOf(const QImage &picture, const PageEdits &edits);

// The edits the user left in the page editor opened on openedCorners, completed: the skew
// measured again when the corners moved, else kept. Safe to use on any thread.
PageEdits completed(const QImage &source, const PageEdits &edits,
                    const std::optional<std::array<QPointF, 4>> &openedCorners);

struct Suggestion
{
    PageEdits edits;
    // False: no sheet was found with confidence, the page keeps the whole picture.
    bool sheetFound = false;
};
enum class Turning
{
    // The quarter turns of base are kept: the user turned the page.
    AsBase,
    // The page is turned upright by its print when its letters tell which way up it reads
    // surely; else it keeps base's turns.
    ByText,
};
// The edits the clean-up finds for picture: the sheet's corners and the skew of its print, the
// quarter turns as turning says and the colour mode kept from base. Safe to use on any thread.
Suggestion suggest(const QImage &picture, const PageEdits &base, Turning turning);

// The page of edits parted at its gutter into a book's left and right page, each with the skew
// of its own print and its curl to be flattened, in reading order; nothing when the page is not two
// pages photographed open, or the book lies turned a quarter.
std::optional<std::pair<PageEdits, PageEdits>> splitSpread(const QImage &picture,
                                                           const PageEdits &edits);
} // namespace PageCleanup
