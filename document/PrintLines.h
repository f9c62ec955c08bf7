// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// How the lines of print lie on a picture of a page.
struct PrintLines
{
    // Turning the picture clockwise by quarterTurns * 90 + skew degrees makes the lines level,
    // upright or upside down: the lines alone do not tell which.
    int quarterTurns = 0; // 0 or 1
    double skew = 0;
    // The height of the small letters (x, n, o) in the picture's pixels; 0 without print.
    double xHeight = 0;
};

// Measured on the page's grey picture (dark print on light paper, evenly lit). Skews up to
// 12 degrees either way are found.
PrintLines measurePrintLines(const QImage &grey);

// How surely level lines of Latin print read upright rather than upside down, from the
// ascenders and descenders of their letters (Leptonica's count; letters that rise above the
// small ones far outnumber those that hang below): positive upright, negative upside down, near
// 0 when too little print or no level lines tell. The print's small letters are xHeight pixels
// high (0: unknown, counted as it is).
double uprightConfidence(const QImage &levelGrey, double xHeight);
