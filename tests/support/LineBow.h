// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// How far a squared page's lines of print bow, in pixels, measured on the print itself: in each
// third of the page's height, the ink of each row in narrow columns across the print is matched
// to that of the outer column, from the outer edge towards the fold, each column's shift looked
// for near the previous one's and refined between pixels. The mean of the shifts' size.
double bowOf(const QImage &page, bool foldOnTheRight);
