// SPDX-License-Identifier: MIT
#include "app/PlacementFit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
// How far apart two rectangles are (0 when they touch or overlap), squared, in 64 bits so that
// no stored coordinate can overflow it.
std::int64_t squaredGap(const QRect &a, const QRect &b)
{
    const auto gap = [](std::int64_t lowA, std::int64_t highA, std::int64_t lowB,
                        std::int64_t highB) {
        return std::max<std::int64_t>({0, lowB - highA, lowA - highB});
    };
    const std::int64_t dx = gap(a.left(), a.right(), b.left(), b.right());
    const std::int64_t dy = gap(a.top(), a.bottom(), b.top(), b.bottom());
    return dx * dx + dy * dy;
}

std::int64_t overlapArea(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : std::int64_t(common.width()) * common.height();
}
} // namespace

QRect fitToScreens(const QRect &window, std::span<const QRect> availableAreas)
{
    if (window.isEmpty() || availableAreas.empty())
        return window;
    // The screen the window is most on; when it is on none, the nearest one.
    const QRect *best = nullptr;
    std::int64_t bestOverlap = 0;
    std::int64_t bestGap = std::numeric_limits<std::int64_t>::max();
    for (const QRect &area : availableAreas) {
        if (area.isEmpty())
            continue;
        const std::int64_t overlap = overlapArea(window, area);
        const std::int64_t gap = squaredGap(window, area);
        if (overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && gap < bestGap)) {
            best = &area;
            bestOverlap = overlap;
            bestGap = gap;
        }
    }
    if (!best)
        return window;
    const QRect &area = *best;
    const bool fits = window.width() <= area.width() && window.height() <= area.height();
    if (bestOverlap > 0 && fits)
        return window;
    const QSize size = window.size().boundedTo(area.size());
    const int x = std::clamp(window.x(), area.left(), area.left() + area.width() - size.width());
    const int y = std::clamp(window.y(), area.top(), area.top() + area.height() - size.height());
    return QRect(QPoint(x, y), size);
}
