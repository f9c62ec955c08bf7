// SPDX-License-Identifier: MIT
#include "app/CornerCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// A handle is grabbed within this many pixels of its centre.
constexpr double HandleRadius = 9;
constexpr double GrabRadius = 16;
// The magnifier's side on the screen and how much it enlarges.
constexpr int MagnifierSide = 132;
constexpr double Magnification = 4;
} // namespace

CornerCanvas::CornerCanvas(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(false);
    setMinimumSize(320, 260);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CornerCanvas::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void CornerCanvas::setCorners(const Corners &corners)
{
    m_corners = corners;
    update();
}

QRectF CornerCanvas::pictureArea() const
{
    if (m_picture.isNull())
        return {};
    // A margin around it, so that a corner at the picture's edge can still be grabbed.
    const QRectF room = QRectF(rect()).adjusted(GrabRadius, GrabRadius, -GrabRadius, -GrabRadius);
    const QSizeF size = QSizeF(m_picture.size()).scaled(room.size(), Qt::KeepAspectRatio);
    return QRectF(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QPointF CornerCanvas::toWidget(const QPointF &picturePoint) const
{
    const QRectF area = pictureArea();
    const double scale = area.width() / m_picture.width();
    return area.topLeft() + picturePoint * scale;
}

QPointF CornerCanvas::toPicture(const QPointF &widgetPoint) const
{
    const QRectF area = pictureArea();
    const double scale = area.width() / m_picture.width();
    const QPointF point = (widgetPoint - area.topLeft()) / scale;
    return QPointF(std::clamp(point.x(), 0.0, double(m_picture.width())),
                   std::clamp(point.y(), 0.0, double(m_picture.height())));
}

std::optional<std::size_t> CornerCanvas::handleAt(const QPointF &widgetPoint) const
{
    std::optional<std::size_t> nearest;
    double nearestDistance = GrabRadius;
    for (std::size_t i = 0; i < m_corners.size(); ++i) {
        const QPointF offset = toWidget(m_corners[i]) - widgetPoint;
        const double distance = std::hypot(offset.x(), offset.y());
        if (distance <= nearestDistance) {
            nearestDistance = distance;
            nearest = i;
        }
    }
    return nearest;
}

void CornerCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureArea(), m_picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QPolygonF outline;
    for (const QPointF &corner : m_corners)
        outline << toWidget(corner);
    // The desk that is cropped away, dimmed.
    QPainterPath desk;
    desk.addRect(pictureArea());
    QPainterPath sheet;
    sheet.addPolygon(outline);
    painter.fillPath(desk.subtracted(sheet), QColor(0, 0, 0, 110));
    painter.setPen(QPen(QColor(40, 160, 255), 2));
    painter.drawPolygon(outline);
    for (std::size_t i = 0; i < m_corners.size(); ++i) {
        painter.setBrush(m_dragged == i ? QColor(255, 200, 40) : QColor(40, 160, 255, 160));
        painter.drawEllipse(outline[qsizetype(i)], HandleRadius, HandleRadius);
    }
    if (m_dragged)
        drawMagnifier(painter, m_corners[*m_dragged]);
}

void CornerCanvas::drawMagnifier(QPainter &painter, const QPointF &corner) const
{
    // Beside the corner, on the side towards the widget's centre, so the hand does not cover it.
    const QPointF at = toWidget(corner);
    const QPointF towardsCentre = QPointF(rect().center()) - at;
    const QPointF centre = at + QPointF(std::copysign(MagnifierSide * 0.75, towardsCentre.x()),
                                        std::copysign(MagnifierSide * 0.75, towardsCentre.y()));
    const QRectF lens(centre - QPointF(MagnifierSide / 2.0, MagnifierSide / 2.0),
                      QSizeF(MagnifierSide, MagnifierSide));
    const double side = MagnifierSide / Magnification;
    const QRectF source(corner - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(lens, palette().dark());
    painter.drawImage(lens, m_picture, source);
    painter.setPen(QPen(QColor(255, 200, 40), 1));
    painter.drawLine(QLineF(lens.center().x(), lens.top(), lens.center().x(), lens.bottom()));
    painter.drawLine(QLineF(lens.left(), lens.center().y(), lens.right(), lens.center().y()));
    painter.setPen(QPen(palette().windowText(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(lens);
    painter.restore();
}

void CornerCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_picture.isNull())
        return;
    m_dragged = handleAt(event->position());
    update();
}

void CornerCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragged)
        return;
    m_corners[*m_dragged] = toPicture(event->position());
    update();
    Q_EMIT cornersChanged(false);
}

void CornerCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragged || event->button() != Qt::LeftButton)
        return;
    m_corners[*m_dragged] = toPicture(event->position());
    m_dragged.reset();
    update();
    Q_EMIT cornersChanged(true);
}
