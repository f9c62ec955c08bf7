// SPDX-License-Identifier: MIT
#include "tests/support/DeskScene.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <random>

namespace {
// The page is typeset at this width, finer than any camera shows it.
constexpr int PageWidth = 1600;
constexpr double PageWidthPoints = 210 / 25.4 * 72;

QImage typesetPage(const DeskSetup &setup)
{
    const int height = int(std::lround(PageWidth * setup.proportion));
    QImage page(PageWidth, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(setup.font);
    font.setPixelSize(int(std::lround(setup.points * PageWidth / PageWidthPoints)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int margin = PageWidth / 10;
    const QRect body(margin, margin, PageWidth - 2 * margin, height - 2 * margin);
    painter.drawText(body, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, setup.text);
    return page;
}

std::array<QPointF, 4> cornersOf(const DeskSetup &setup)
{
    const double height = setup.fill * setup.pictureSize.height();
    const double width = height / setup.proportion;
    const double narrowing = width * setup.keystone / 100 / 2;
    // Upright about the origin, the far edge narrowed; then turned and placed.
    const std::array<QPointF, 4> upright{
        QPointF(-width / 2 + narrowing, -height / 2), QPointF(width / 2 - narrowing, -height / 2),
        QPointF(width / 2, height / 2), QPointF(-width / 2, height / 2)};
    QTransform place;
    place.translate(setup.pictureSize.width() / 2.0 + setup.offset.x(),
                    setup.pictureSize.height() / 2.0 + setup.offset.y());
    place.rotate(setup.angle);
    std::array<QPointF, 4> corners;
    for (std::size_t i = 0; i < 4; ++i)
        corners[i] = place.map(upright[i]);
    return corners;
}

void drawFinger(QPainter &painter, const std::array<QPointF, 4> &corners)
{
    const QPointF edge = (corners[2] + corners[3]) / 2;
    const QPointF outward = edge - (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
    const double length = std::hypot(outward.x(), outward.y());
    painter.save();
    painter.translate(edge);
    painter.rotate(std::atan2(outward.y(), outward.x()) * 180 / M_PI - 90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 148, 120));
    // A finger reaching a sixth of the sheet's height in from the edge, the hand beyond it.
    painter.drawRoundedRect(QRectF(-28, -length / 3, 56, length), 28, 28);
    painter.drawEllipse(QPointF(0, length * 0.9), length * 0.45, length * 0.3);
    painter.restore();
}

void lightUnevenly(QImage &picture, int falloff)
{
    std::mt19937 noise(7);
    std::normal_distribution<double> grain(0, 2);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const double light = 1 - falloff / 100.0 * x / picture.width();
            auto level = [&](int value) {
                return std::clamp(int(std::lround(value * light + grain(noise))), 0, 255);
            };
            line[x] = qRgb(level(qRed(line[x])), level(qGreen(line[x])), level(qBlue(line[x])));
        }
    }
}
} // namespace

DeskScene deskScene(const DeskSetup &setup)
{
    DeskScene scene;
    scene.corners = cornersOf(setup);
    scene.picture = QImage(setup.pictureSize, QImage::Format_RGB32);
    scene.picture.fill(QColor(setup.desk, setup.desk, std::max(0, setup.desk - 8)));
    QPainter painter(&scene.picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (setup.sheet) {
        // A camera's pixel takes in the light of its whole area: the page is first reduced by
        // averaging to about the size it is seen at, as the painter's perspective would only
        // sample it and leave jagged print.
        const double seenWidth = std::max(QLineF(scene.corners[0], scene.corners[1]).length(),
                                          QLineF(scene.corners[3], scene.corners[2]).length());
        const QImage page =
            typesetPage(setup).scaledToWidth(int(std::ceil(seenWidth)), Qt::SmoothTransformation);
        QTransform toDesk;
        const QRectF paper(page.rect());
        QTransform::quadToQuad(
            QPolygonF({paper.topLeft(), paper.topRight(), paper.bottomRight(), paper.bottomLeft()}),
            QPolygonF({scene.corners[0], scene.corners[1], scene.corners[2], scene.corners[3]}),
            toDesk);
        painter.setTransform(toDesk);
        // Drawn at the page's size and scaled by the transform: a paper of ~240, not pure white.
        painter.setOpacity(0.94);
        painter.drawImage(0, 0, page);
        painter.setOpacity(1);
        painter.resetTransform();
        if (setup.finger)
            drawFinger(painter, scene.corners);
    }
    painter.end();
    lightUnevenly(scene.picture, setup.falloff);
    return scene;
}
