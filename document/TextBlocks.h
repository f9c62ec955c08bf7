// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// The blocks of text Tesseract's layout finds on a page, as the readers take them one by one.
namespace TextBlocks {
// The blocks in reading order, none reading print another reads too. Tesseract's blocks are
// polygons and a block is read as the rectangle around it: where one rectangle takes in a line's
// worth of another's print (small letters xHeight pixels high), the two are read as one, the
// rectangle around both in the place of the first. A sliver of a line's descenders is left.
std::vector<QRect> apart(std::vector<QRect> blocks, double xHeight);

// The blocks in reading order, each cut at the paper between its lines of the grey image into
// pieces of at most largestShare of the print, where such paper is found.
std::vector<QRect> inPieces(const std::vector<QRect> &blocks, const QImage &image,
                            double largestShare);
} // namespace TextBlocks
