// SPDX-License-Identifier: MIT
#pragma once

// The size at which a page's print is read, from the size it has on the picture.
namespace ReadingScale {
// Tesseract reads print best with small letters of this many pixels (its own guidance is 20
// to 30). Its line reader scales every line to one height anyway, so on camera pictures a
// smaller size reads as well with less work: finding the page's layout grows with the pixels.
// On the recognition benchmark's 160 readings, 9 read with the same mean error as 12 (lower on
// blurred small print, higher on sharp large print) in a tenth less time; 7.5 lost sharp
// pages, 16 and 24 read no better than 12.
inline constexpr double BestXHeight = 9;
// Below this the print is too small to read well, however it is enlarged. Measured on the
// recognition benchmark's camera pages: small letters of 5 to 6.5 pixels (10 to 12 points on a
// sheet filling the picture) read at 0.4 to 7 % of characters wrong, of 4.3 to 5.4 pixels at
// 5 to 15 %, of 3.2 to 4.1 pixels at 26 to 54 %.
inline constexpr double SmallestReadableXHeight = 5;
// A picture is enlarged at most this much: more adds no detail the camera did not see.
inline constexpr double LargestFactor = 4;
inline constexpr double SmallestFactor = 0.5;
// Small letters of ordinary print, 10 points, are about 5 points high.
inline constexpr double OrdinaryXHeightInches = 5.0 / 72;

// How much the picture is enlarged (above 1) or reduced so that its print, x-height pixels
// high, is read at the best size; 1 when no print was measured.
double factorFor(double xHeight);

// The resolution Tesseract is told for a picture whose small letters are x-height pixels high:
// that of ordinary print at that size.
int resolutionFor(double xHeight);

inline bool tooSmallToRead(double xHeight)
{
    return xHeight > 0 && xHeight < SmallestReadableXHeight;
}
} // namespace ReadingScale
