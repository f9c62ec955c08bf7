// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

// Draws a picture into the rectangle it takes at its zoom, exposed part by exposed part. Reduced
// pictures are area-averaged (Reduction) once per drawn size and the result is kept (a picture
// stretched larger on one side only is scaled smoothly by Qt); at 100 % and above
// the exposed part alone is drawn with nearest-neighbour scaling, so single pixels stay sharp
// and panning costs only the strip that scrolls into view. No widgets.
class ImageRenderer
{
public:
    // The picture changed: what was made from it is dropped.
    void invalidate();
    // drawn: where the whole picture lands; exposed: the area to paint. What the picture does not
    // cover is filled with background.
    void paint(QPainter &painter, const QImage &image, const QRect &drawn, const QRect &exposed,
               const QColor &background);

private:
    const QImage &displayImage(const QImage &image);

    QImage m_display; // the picture in a format QPainter draws without converting
    QImage m_reduced; // the picture reduced to the drawn size, while that is smaller
};
