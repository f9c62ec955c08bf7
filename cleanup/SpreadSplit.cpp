// SPDX-License-Identifier: MIT
#include "cleanup/SpreadSplit.h"

#include "cleanup/PageTone.h"

#include <QPolygonF>
#include <QTransform>

#include <vector>

namespace {
// The gutter is looked for within this share of the width either side of the middle.
constexpr double GutterReach = 0.2;
// A column with less print than this share of its height is blank.
constexpr double BlankColumn = 0.002;
// The gutter is at least this share of the width, and each page has print on this share of its
// columns at least.
constexpr double NarrowestGutter = 0.01;
constexpr double PrintedColumns = 0.2;
} // namespace

namespace SpreadSplit {
std::optional<double> gutterOf(const QImage &spread)
{
    if (spread.width() <= spread.height())
        return std::nullopt;
    const QImage bilevel =
        PageTone::blackAndWhite(spread).convertToFormat(QImage::Format_Grayscale8);
    if (bilevel.isNull())
        return std::nullopt;
    const int width = bilevel.width();
    std::vector<int> ink(std::size_t(width), 0);
    // The top and bottom tenth are left out: a running head or the book's edge may cross.
    for (int y = bilevel.height() / 10; y < bilevel.height() * 9 / 10; ++y) {
        const uchar *line = bilevel.constScanLine(y);
        for (int x = 0; x < width; ++x)
            ink[std::size_t(x)] += line[x] < 128 ? 1 : 0;
    }
    const int blank = std::max(1, int(BlankColumn * bilevel.height()));
    auto printed = [&](int from, int to) {
        int columns = 0;
        for (int x = from; x < to; ++x)
            columns += ink[std::size_t(x)] > blank ? 1 : 0;
        return columns >= PrintedColumns * (to - from);
    };
    int bestStart = -1;
    int bestLength = 0;
    const int from = int(width * (0.5 - GutterReach));
    const int to = int(width * (0.5 + GutterReach));
    for (int x = from; x < to;) {
        if (ink[std::size_t(x)] > blank) {
            ++x;
            continue;
        }
        int end = x;
        while (end < to && ink[std::size_t(end)] <= blank)
            ++end;
        if (end - x > bestLength) {
            bestLength = end - x;
            bestStart = x;
        }
        x = end;
    }
    if (bestStart < 0 || bestLength < NarrowestGutter * width)
        return std::nullopt;
    const int middle = bestStart + bestLength / 2;
    if (!printed(0, middle) || !printed(middle, width))
        return std::nullopt;
    return (middle + 0.5) / width;
}

std::pair<SheetCorners, SheetCorners> pagesOf(const SheetCorners &corners, double gutter)
{
    // The squared spread as the unit square, mapped onto the picture's corners.
    QTransform toPicture;
    QTransform::quadToQuad(QPolygonF({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)}),
                           QPolygonF({corners[0], corners[1], corners[2], corners[3]}), toPicture);
    const QPointF top = toPicture.map(QPointF(gutter, 0));
    const QPointF bottom = toPicture.map(QPointF(gutter, 1));
    return {{corners[0], top, bottom, corners[3]}, {top, corners[1], corners[2], bottom}};
}
} // namespace SpreadSplit
