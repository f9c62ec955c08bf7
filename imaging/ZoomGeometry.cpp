// SPDX-License-Identifier: MIT
#include "imaging/ZoomGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
int scaledSide(int side, double zoomPercent)
{
    const double drawn = std::round(side * zoomPercent / 100.0);
    return int(std::clamp(drawn, 1.0, double(ZoomGeometry::MaxDrawnSide)));
}

// Offset of the image on one axis of the viewport.
int axisOffset(int drawn, int viewport, int scroll, int maximum)
{
    if (drawn <= viewport)
        return (viewport - drawn) / 2;
    return -std::clamp(scroll, 0, maximum);
}

// Where on one axis the image point at viewport position `at` lies, as a fraction of the drawn
// image (outside 0..1 beside an image smaller than the viewport).
double fractionAt(int drawn, int viewport, int scroll, double at)
{
    if (drawn == 0)
        return 0.5;
    if (drawn <= viewport)
        return (at - (viewport - drawn) / 2.0) / drawn;
    return (scroll + at) / drawn;
}

// The scroll position that brings the image point at a fraction to viewport position `at`.
int scrollForFraction(double fraction, int drawn, double at, int maximum)
{
    return std::clamp(int(std::lround(fraction * drawn - at)), 0, maximum);
}

QPoint scrollKeeping(const ZoomGeometry::Layout &from, QPoint scroll,
                     const ZoomGeometry::Layout &to, QPointF fromAt, QPointF toAt)
{
    const double x =
        fractionAt(from.drawnSize.width(), from.viewportSize.width(), scroll.x(), fromAt.x());
    const double y =
        fractionAt(from.drawnSize.height(), from.viewportSize.height(), scroll.y(), fromAt.y());
    return {scrollForFraction(x, to.drawnSize.width(), toAt.x(), to.scrollMaximum.x()),
            scrollForFraction(y, to.drawnSize.height(), toAt.y(), to.scrollMaximum.y())};
}

QPointF centreOf(QSize viewport)
{
    return {viewport.width() / 2.0, viewport.height() / 2.0};
}
} // namespace

namespace ZoomGeometry {
QSize drawnSizeAtZoom(QSize image, double zoomPercent)
{
    if (image.isEmpty() || !(zoomPercent > 0.0) || !std::isfinite(zoomPercent))
        return {};
    return {scaledSide(image.width(), zoomPercent), scaledSide(image.height(), zoomPercent)};
}

QPoint scrollMaximum(QSize drawn, QSize viewport)
{
    return {std::max(0, drawn.width() - viewport.width()),
            std::max(0, drawn.height() - viewport.height())};
}

Layout layoutAtZoom(QSize image, double zoomPercent, QSize area, int scrollBarExtent,
                    bool scrollBarsAllowed)
{
    Layout layout;
    layout.drawnSize = drawnSizeAtZoom(image, zoomPercent);
    const QSize drawn = layout.drawnSize;
    QSize viewport = area;
    if (scrollBarsAllowed) {
        bool horizontal = drawn.width() > area.width();
        bool vertical = drawn.height() > area.height();
        // A bar on one axis takes room from the other, which may then need one too.
        if (horizontal && !vertical)
            vertical = drawn.height() > area.height() - scrollBarExtent;
        if (vertical && !horizontal)
            horizontal = drawn.width() > area.width() - scrollBarExtent;
        layout.horizontalBar = horizontal;
        layout.verticalBar = vertical;
        if (horizontal)
            viewport.rheight() -= scrollBarExtent;
        if (vertical)
            viewport.rwidth() -= scrollBarExtent;
        viewport = viewport.expandedTo(QSize(0, 0));
    }
    layout.viewportSize = viewport;
    layout.scrollMaximum = scrollMaximum(drawn, viewport);
    return layout;
}

Layout layoutStretched(QSize image, QSize area)
{
    Layout layout;
    layout.drawnSize = image.isEmpty() ? QSize() : area.expandedTo(QSize(0, 0));
    layout.viewportSize = area.expandedTo(QSize(0, 0));
    return layout;
}

QRect imageRect(const Layout &layout, QPoint scroll)
{
    const QSize drawn = layout.drawnSize;
    const QSize viewport = layout.viewportSize;
    return {axisOffset(drawn.width(), viewport.width(), scroll.x(), layout.scrollMaximum.x()),
            axisOffset(drawn.height(), viewport.height(), scroll.y(), layout.scrollMaximum.y()),
            drawn.width(), drawn.height()};
}

QPoint scrollKeepingCentre(const Layout &from, QPoint scroll, const Layout &to)
{
    return scrollKeeping(from, scroll, to, centreOf(from.viewportSize), centreOf(to.viewportSize));
}

QPoint scrollKeepingPoint(const Layout &from, QPoint scroll, const Layout &to, QPoint anchor)
{
    return scrollKeeping(from, scroll, to, anchor, anchor);
}

Piece visiblePiece(QSize image, const QRect &drawn, const QRect &exposed)
{
    const QRect visible = exposed & drawn;
    if (visible.isEmpty() || image.isEmpty())
        return {};
    // Drawn offsets to source pixels in integers, so that pixel edges do not suffer rounding.
    const auto below = [](std::int64_t offset, int source, int drawnSide) {
        return int(offset * source / drawnSide);
    };
    const auto above = [](std::int64_t offset, int source, int drawnSide) {
        return int((offset * source + drawnSide - 1) / drawnSide);
    };
    const int w = image.width();
    const int h = image.height();
    const int left = below(visible.left() - drawn.left(), w, drawn.width());
    const int top = below(visible.top() - drawn.top(), h, drawn.height());
    const int right = std::min(w, above(visible.right() + 1 - drawn.left(), w, drawn.width()));
    const int bottom = std::min(h, above(visible.bottom() + 1 - drawn.top(), h, drawn.height()));
    const double sx = double(drawn.width()) / w;
    const double sy = double(drawn.height()) / h;
    const QRect source(left, top, right - left, bottom - top);
    const QRectF target(drawn.left() + left * sx, drawn.top() + top * sy, source.width() * sx,
                        source.height() * sy);
    return {source, target};
}
} // namespace ZoomGeometry
