// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

// Where the imaging control draws its image: the drawn size for a zoom, whether scroll bars are
// needed and their ranges, the rectangle the image lands in for a scroll position, and the part
// of the image an exposed area shows. No widgets, so it is tested without pixels.
namespace ZoomGeometry {
// Larger zooms are drawn as if the image were this many pixels wide (or high), so that
// coordinates stay far inside int.
inline constexpr int MaxDrawnSide = 1 << 22;

struct Layout
{
    QSize drawnSize;    // the image at the zoom, or stretched over the control
    QSize viewportSize; // the part of the control left beside the scroll bars
    bool horizontalBar = false;
    bool verticalBar = false;
    QPoint scrollMaximum; // scroll ranges are 0..x and 0..y; 0 where the image fits
};

// image width x zoom / 100, rounded, at least 1 pixel for a non-empty image; empty for a zoom
// that is not positive.
QSize drawnSizeAtZoom(QSize image, double zoomPercent);

// How far an image of drawn size can be scrolled in a viewport: 0 on an axis where it fits.
QPoint scrollMaximum(QSize drawn, QSize viewport);

// area: the inside of the control without scroll bars. A bar is shown on an axis where the image
// is larger than the area, counting the space the other bar takes; with scroll bars not
// allowed the image can still be panned by dragging over the same ranges.
Layout layoutAtZoom(QSize image, double zoomPercent, QSize area, int scrollBarExtent,
                    bool scrollBarsAllowed);
// The image stretched over the whole area, without scroll bars.
Layout layoutStretched(QSize image, QSize area);

// In viewport coordinates: centred on an axis where the drawn image is not larger than the
// viewport, else moved by the scroll position (clamped to its range).
QRect imageRect(const Layout &layout, QPoint scroll);

// The scroll position that keeps the image point at the viewport's centre when the layout
// changes (a new zoom or a resized control).
QPoint scrollKeepingCentre(const Layout &from, QPoint scroll, const Layout &to);
// The same for the image point under a viewport position (the pointer of a wheel zoom).
QPoint scrollKeepingPoint(const Layout &from, QPoint scroll, const Layout &to, QPoint anchor);

// The source pixels of an image drawn into `drawn` that an exposed area (both in viewport
// coordinates) shows, and the target rectangle they cover, so only that part is scaled.
struct Piece
{
    QRect source;
    QRectF target;
};
Piece visiblePiece(QSize image, const QRect &drawn, const QRect &exposed);
} // namespace ZoomGeometry
