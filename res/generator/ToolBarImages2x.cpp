// SPDX-License-Identifier: MIT
// The tool bar's seven images at twice the size, 32 x 30 each, for a device pixel ratio of 2.
// Same pictures, colours and places as the 16 x 15 pixel art, drawn at this size: the outlines
// keep their weight (two pixels), while curves, diagonals and the small details inside (label
// lines, keys, the lens's glint) get the resolution the small art has no room for.
#include "res/generator/Catalogue.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int CellWidth = 32;
constexpr int CellHeight = 30;
constexpr qreal Outline = 2;

// The small art's sixteen-colour palette.
const QColor Black(0x00, 0x00, 0x00);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Silver(0xc0, 0xc0, 0xc0);
const QColor Grey(0x80, 0x80, 0x80);
const QColor White(0xff, 0xff, 0xff);
const QColor Yellow(0xff, 0xff, 0x00);
const QColor Cyan(0x00, 0xff, 0xff);
const QColor Red(0xff, 0x00, 0x00);
const QColor Green(0x00, 0x80, 0x00);
const QColor Olive(0x80, 0x80, 0x00);

// A shape filled and outlined in black. The outline is centred on the path, so a path one
// pixel inside the picture's edge puts the outline's outer edge on it.
void outlined(QPainter &p, const QPainterPath &path, const QColor &fill, qreal width = Outline)
{
    p.setPen(QPen(Black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// Thin lines of one colour, one pixel wide on whole pixels.
void hairlines(QPainter &p, const QColor &colour, std::initializer_list<QLineF> lines)
{
    p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF &line : lines)
        p.drawLine(line.translated(0, 0.5));
}

void paintSave(QPainter &p)
{
    // The disk, its top right corner cut off as on a real one.
    outlined(p, polygon({{3, 3}, {26, 3}, {29, 6}, {29, 29}, {3, 29}}), Navy);
    // The label with its lines, and the metal shutter with its window.
    outlined(p, rect(7, 3, 16, 11), White, 1.5);
    hairlines(p, Grey, {{9, 6, 21, 6}, {9, 8.5, 21, 8.5}, {9, 11, 18, 11}});
    p.setPen(Qt::NoPen);
    p.setBrush(Silver);
    p.drawRect(QRectF(8, 18, 16, 10));
    p.setBrush(Navy);
    p.drawRect(QRectF(10, 20, 4, 6));
}

void paintCapture(QPainter &p)
{
    outlined(p, rect(8, 5, 10, 5, 1), Silver);
    outlined(p, rect(3, 7, 26, 20, 2), Grey);
    p.setPen(Qt::NoPen);
    p.setBrush(Silver);
    p.drawRect(QRectF(4, 8, 24, 3));
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(24.5, 9.5), 1.5, 1.5);
    // The lens: a black ring, deep blue glass and a glint at its top left.
    outlined(p, circle(QPointF(16, 18), 6.5), Navy);
    p.setPen(QPen(Cyan, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11.5, 13.5, 9, 9), 100 * 16, 70 * 16);
}

void paintAddPage(QPainter &p)
{
    // The page with its corner folded down, and its lines of text.
    outlined(p, polygon({{5, 1}, {17, 1}, {23, 7}, {23, 25}, {5, 25}}), White);
    outlined(p, polygon({{17, 1}, {17, 7}, {23, 7}}), White, 1.5);
    hairlines(p, Black, {{8, 10, 18, 10}, {8, 13, 18, 13}, {8, 16, 15, 16}, {8, 19, 11, 19}});
    // The green plus, with a darker edge so that it stands off the page.
    const QPainterPath plus = rect(18, 13, 4, 16).united(rect(12, 19, 16, 4));
    p.setPen(QPen(Green.darker(150), 1));
    p.setBrush(Green);
    p.drawPath(plus);
}

void paintRemote(QPainter &p)
{
    outlined(p, rect(9, 1, 16, 28, 3), Grey);
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QPointF(13, 5), 1.5, 1.5);
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(21, 5), 1.5, 1.5);
    // The pointer keys as a cross, the number keys as three rows of three.
    p.setBrush(White);
    p.drawPath(rect(16, 8, 2, 6).united(rect(14, 10, 6, 2)));
    p.setBrush(Silver);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRect(QRectF(12 + 4 * column, 17 + 4 * row, 2, 2));
    }
}

// The magnifier with navy strokes across its glass.
void paintMagnifier(QPainter &p, bool plus)
{
    // The handle first, so that the rim overlaps its end.
    p.setPen(QPen(Black, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 20), QPointF(28, 27));
    p.setPen(QPen(Grey, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21.5, 20.5), QPointF(28, 27));
    outlined(p, circle(QPointF(13, 11), 10), White);
    p.setPen(QPen(Cyan, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 4, 14, 14), 110 * 16, 60 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawRect(QRectF(8, 10, 10, 2));
    if (plus)
        p.drawRect(QRectF(12, 6, 2, 10));
}

void paintZoomIn(QPainter &p)
{
    paintMagnifier(p, true);
}

void paintZoomOut(QPainter &p)
{
    paintMagnifier(p, false);
}

void paintExit(QPainter &p)
{
    // An olive door with a yellow knob, a red arrow leaving through it.
    outlined(p, rect(3, 3, 16, 26), Olive);
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawEllipse(QPointF(6, 15.5), 1.5, 1.5);
    outlined(p, polygon({{13, 12}, {19, 12}, {19, 6}, {29, 15.5}, {19, 25}, {19, 19}, {13, 19}}),
             Red, 1.5);
}
} // namespace

QImage drawToolBarStrip2x()
{
    // Button order, as in the small strip.
    void (*const painters[])(QPainter &) = {paintSave,   paintCapture, paintAddPage, paintRemote,
                                            paintZoomIn, paintZoomOut, paintExit};
    QImage strip(CellWidth * int(std::size(painters)), CellHeight, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto paint : painters) {
        p.save();
        paint(p);
        p.restore();
        p.translate(CellWidth, 0);
    }
    return strip;
}
