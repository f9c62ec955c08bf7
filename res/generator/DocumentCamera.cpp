// SPDX-License-Identifier: MIT
#include "res/generator/DocumentCamera.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// The drawing is laid out on a 256 x 256 grid.
constexpr qreal Grid = 256;

const QColor Outline(0x1c, 0x24, 0x2e);
const QColor MetalLight(0xe4, 0xe9, 0xef);
const QColor MetalDark(0x8c, 0x99, 0xa8);
const QColor Accent(0x1f, 0x6f, 0xd6);

QLinearGradient metal(QPointF from, QPointF to)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, MetalDark);
    gradient.setColorAt(0.45, MetalLight);
    gradient.setColorAt(1, MetalDark);
    return gradient;
}

void paintBase(QPainter &p)
{
    // Top face in perspective, then the front edge.
    const QPolygonF top{{QPointF(40, 190), QPointF(220, 190), QPointF(244, 210), QPointF(14, 210)}};
    QLinearGradient topShade(0, 190, 0, 210);
    topShade.setColorAt(0, QColor(0xc9, 0xd1, 0xda));
    topShade.setColorAt(1, QColor(0xf2, 0xf5, 0xf8));
    p.setBrush(topShade);
    p.drawPolygon(top);
    p.setBrush(QColor(0x5d, 0x69, 0x77));
    p.drawRoundedRect(QRectF(14, 210, 230, 24), 6, 6);

    // The sheet of paper under the lens.
    const QPolygonF sheet{
        {QPointF(86, 192), QPointF(190, 192), QPointF(204, 206), QPointF(72, 206)}};
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
}

void paintLight(QPainter &p)
{
    const QPolygonF cone{
        {QPointF(150, 104), QPointF(178, 104), QPointF(204, 204), QPointF(72, 204)}};
    QLinearGradient glow(0, 104, 0, 204);
    glow.setColorAt(0, QColor(255, 236, 140, 190));
    glow.setColorAt(1, QColor(255, 236, 140, 40));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPolygon(cone);
    p.restore();
}

void paintStandAndHead(QPainter &p)
{
    // Column at the back of the base, arm reaching forward over the paper.
    p.setBrush(metal(QPointF(34, 0), QPointF(66, 0)));
    p.drawRoundedRect(QRectF(34, 48, 32, 150), 10, 10);
    p.setBrush(metal(QPointF(0, 40), QPointF(0, 72)));
    p.drawRoundedRect(QRectF(34, 40, 140, 32), 12, 12);

    // Camera head with its lens pointing down.
    QLinearGradient headShade(0, 28, 0, 96);
    headShade.setColorAt(0, QColor(0x4a, 0x57, 0x66));
    headShade.setColorAt(1, QColor(0x26, 0x2f, 0x3a));
    p.setBrush(headShade);
    p.drawRoundedRect(QRectF(128, 28, 72, 64), 14, 14);
    QLinearGradient glass(0, 88, 0, 108);
    glass.setColorAt(0, QColor(0x0b, 0x1f, 0x3d));
    glass.setColorAt(1, QColor(0x3f, 0x9b, 0xff));
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(146, 88, 36, 18), 6, 6);

    // The joint, and the accent stripe on the head.
    p.setBrush(Accent);
    p.drawEllipse(QPointF(50, 56), 20, 20);
    p.setBrush(MetalLight);
    p.drawEllipse(QPointF(50, 56), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(QRectF(136, 42, 56, 8));
}
} // namespace

void paintDocumentCamera(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / Grid, box.height() / Grid);
    // The outline grows in pixels with the box but never gets thinner than one pixel.
    const qreal outlineWidth = std::max(6.0, 1.2 * Grid / box.width());
    painter.setPen(QPen(Outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    paintBase(painter);
    paintLight(painter);
    paintStandAndHead(painter);
    painter.restore();
}
