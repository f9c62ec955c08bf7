// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <QTransform>

// The fold of a book open at a spread of two pages of size page (in points), which
// spreadToPicture lays on the picture.
namespace BookFold {
// The paper curving down into the fold and out of the light, painted in spread points.
void shade(QPainter &painter, QSizeF page);
// The pages curving down towards the fold, away from the camera, which sees them there drawn
// in towards the spread's middle: the lines of print bow, most at the top and bottom of the
// fold, where they move in by bend times the page's height; none at the outer edges.
void bend(QImage &picture, const QTransform &spreadToPicture, QSizeF page, double bend);
// Where the top (or the bottom) end of the fold is seen once bent, in spread points.
QPointF bentEnd(QSizeF page, double bend, bool top);
} // namespace BookFold
