// SPDX-License-Identifier: MIT
#pragma once

#include "cleanup/SheetFinder.h"

#include <QImage>
#include <QSize>

namespace Perspective {
// The rectangle a sheet of these corners makes when squared: as long and wide as its longer
// opposite sides, its proportion made that of A4 or US Letter when it is within a few per cent
// of one (the camera's tilt shortens the far side), else as found.
QSize straightenedSize(const SheetCorners &corners);
// The sheet of corners on picture made a rectangle of straightenedSize() enlarged scale times,
// the desk cropped away and turned skew degrees clockwise about its centre; grey stays grey. A
// null picture when the corners make no such rectangle.
QImage straighten(const QImage &picture, const SheetCorners &corners, double skew = 0,
                  double scale = 1);
} // namespace Perspective
