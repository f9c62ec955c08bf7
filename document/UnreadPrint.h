// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Print a reading left out. Tesseract's layout analysis at times takes a block of small, dense
// print on grainy paper for no text and reads only around it: on a page of three short lines it
// read the last one and nothing else.
namespace UnreadPrint {
// The areas of the grey picture (dark print on paper near white, its small letters xHeight
// pixels high) that hold a line's worth or more of letters, none of them inside one of the read
// boxes; from the top down. None when every line was read.
std::vector<QRect> areas(const QImage &grey, double xHeight, const std::vector<QRect> &read);
} // namespace UnreadPrint
