// SPDX-License-Identifier: MIT
#include "tests/support/CornerOverlap.h"

#include <QPolygonF>

#include <cmath>

double overlapOf(const std::array<QPointF, 4> &found, const std::array<QPointF, 4> &truth)
{
    const QPolygonF a({found[0], found[1], found[2], found[3]});
    const QPolygonF b({truth[0], truth[1], truth[2], truth[3]});
    auto area = [](const QPolygonF &polygon) {
        double sum = 0;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF &p = polygon[i];
            const QPointF &q = polygon[(i + 1) % polygon.size()];
            sum += p.x() * q.y() - q.x() * p.y();
        }
        return std::abs(sum) / 2;
    };
    const double shared = area(a.intersected(b));
    const double both = area(a) + area(b) - shared;
    return both > 0 ? shared / both : 0;
}
