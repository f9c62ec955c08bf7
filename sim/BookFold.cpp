// SPDX-License-Identifier: MIT
#include "sim/BookFold.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace BookFold {
void shade(QPainter &painter, QSizeF page)
{
    const double band = page.width() * 0.07;
    QLinearGradient fold(page.width() - band, 0, page.width() + band, 0);
    fold.setColorAt(0, QColor(0, 0, 0, 0));
    fold.setColorAt(0.35, QColor(0, 0, 0, 30));
    fold.setColorAt(0.5, QColor(0, 0, 0, 120));
    fold.setColorAt(0.65, QColor(0, 0, 0, 30));
    fold.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(page.width() - band, 0, 2 * band, page.height()), fold);
}

void bend(QImage &picture, const QTransform &spreadToPicture, QSizeF page, double bend)
{
    if (bend <= 0)
        return;
    const QTransform toSpread = spreadToPicture.inverted();
    cv::Mat fromX(picture.height(), picture.width(), CV_32FC1);
    cv::Mat fromY(picture.height(), picture.width(), CV_32FC1);
    const double half = page.height() / 2;
    for (int y = 0; y < picture.height(); ++y) {
        auto *toX = fromX.ptr<float>(y);
        auto *toY = fromY.ptr<float>(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QPointF seen = toSpread.map(QPointF(x, y));
            // Across from the fold (0) to the outer edges (1); down from the middle, -1 at the
            // top edge to 1 at the bottom, a little beyond so that the edges bend too.
            const double across = std::min(1.0, std::abs(seen.x() - page.width()) / page.width());
            const double down = std::clamp((seen.y() - half) / half, -1.2, 1.2);
            const double drawnIn = bend * page.height() * (1 - across) * (1 - across) * down;
            const QPointF from = spreadToPicture.map(QPointF(seen.x(), seen.y() + drawnIn));
            toX[x] = float(from.x());
            toY[x] = float(from.y());
        }
    }
    QImage bent(picture.size(), picture.format());
    cv::Mat source(picture.height(), picture.width(), CV_8UC4, picture.bits(),
                   std::size_t(picture.bytesPerLine()));
    cv::Mat target(bent.height(), bent.width(), CV_8UC4, bent.bits(),
                   std::size_t(bent.bytesPerLine()));
    cv::remap(source, target, fromX, fromY, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    picture = bent;
}

QPointF bentEnd(QSizeF page, double bend, bool top)
{
    // Seen at y, the fold shows the paper from y + bend * height * (2y / height - 1): solved
    // for the paper's edge.
    const double edge = top ? 0 : page.height();
    return {page.width(), (edge + bend * page.height()) / (1 + 2 * bend)};
}
} // namespace BookFold
