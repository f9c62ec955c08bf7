// SPDX-License-Identifier: MIT
#pragma once

// The size at which a page's print is read, from the size it has on the picture.
namespace ReadingScale {
// Tesseract reads print best with small letters of this many pixels (its own guidance is 20
// to 30). Its line reader scales every line to one height anyway, so on camera pictures a
// smaller size reads as well: 12 read the benchmark's pages as well as 16 (and 16 as well as
// 24), with a tenth less work: finding the page's layout grows with the pixels. 9 read camera
// pictures as well again, but pages squared by the clean-up (8 point print above all) worse.
inline constexpr double BestXHeight = 12;
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
