// SPDX-License-Identifier: MIT
// The remote panel's background, 330 x 480: the face, the captions of the keys (each in the
// 13-pixel row right above its key) and the grooves around the pointer pad, the resolution and
// RGB group and the iris keys. The keys' rectangles are the panel's layout.
#include "res/generator/Catalogue.h"
#include "res/generator/RemotePanelPaint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <utility>

using namespace PanelPaint;

namespace {
constexpr int CaptionHeight = 13;

struct Caption
{
    int keyLeft;
    int keyTop;
    int keyRight;
    const char *text;
};

// Captions of the keys whose own images carry none.
constexpr Caption Captions[] = {
    {248, 220, 306, "PAUSE"}, {172, 257, 230, "UPPER"}, {248, 257, 306, "BASE"},
    {21, 294, 79, "SXGA"},    {97, 294, 155, "XGA"},    {172, 294, 230, "SVGA"},
    {248, 294, 306, "VGA"},   {21, 331, 79, "RGB1"},    {97, 331, 155, "RGB2"},
    {248, 331, 306, "GAMMA"}, {21, 368, 79, "TELE"},    {97, 368, 155, "WIDE"},
    {172, 368, 230, "NEAR"},  {248, 368, 306, "FAR"},   {248, 405, 306, "AF"},
    {26, 434, 82, "NORMAL"},  {101, 434, 157, "OPEN"},  {176, 434, 232, "CLOSE"},
};

QRect captionBox(const Caption &c)
{
    return QRect(c.keyLeft, c.keyTop - CaptionHeight, c.keyRight - c.keyLeft, CaptionHeight);
}

// A line one logical pixel wide from a to b, both included, across or down. Filled rather than
// stroked: a stroked line sits half a pixel off the logical grid at scale 2.
void drawStraightLine(QPainter &p, QPoint a, QPoint b, const QColor &colour)
{
    p.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
               colour);
}

// An etched outline of straight edges: the highlight line first, one pixel right and down, then
// the shadow.
void drawEtchedOutline(QPainter &p, const QPolygon &outline)
{
    for (const auto &[offset, colour] :
         {std::pair(QPoint(1, 1), Highlight), std::pair(QPoint(), Shadow)}) {
        for (qsizetype i = 0; i < outline.size(); ++i)
            drawStraightLine(p, outline[i] + offset, outline[(i + 1) % outline.size()] + offset,
                             colour);
    }
}

// A title set into a groove, on a gap of face colour.
void drawGrooveTitle(QPainter &p, QPoint at, const QString &title, const QFont &font)
{
    const QFontMetrics metrics(font);
    const QRect box(at.x(), at.y(), metrics.horizontalAdvance(title) + 8, CaptionHeight);
    p.fillRect(box, Face);
    drawCentred(p, box, title, font, Text);
}

// "ROTATION" centred over the four rotation keys, a groove to each side.
void drawRotationTitle(QPainter &p, const QFont &font)
{
    const QRect box(20, 220 - CaptionHeight, 210, CaptionHeight);
    const int textWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("ROTATION"));
    const int middle = box.center().y();
    const int textLeft = box.center().x() - textWidth / 2 - 5;
    const int textRight = box.center().x() + textWidth / 2 + 5;
    for (const auto &[from, to] : {std::pair(box.left(), textLeft), std::pair(textRight, 230)}) {
        drawStraightLine(p, QPoint(from, middle), QPoint(to, middle), Shadow);
        drawStraightLine(p, QPoint(from, middle + 1), QPoint(to, middle + 1), Highlight);
    }
    drawCentred(p, box, QStringLiteral("ROTATION"), font, Text);
}

// The program's name engraved in the bottom right corner.
void drawMaker(QPainter &p)
{
    const QFont f = font(10, true, QFont::Normal);
    const QRect box(0, 458, 314, 16);
    const QString name = QStringLiteral("Quillon for USB");
    drawText(p, box.translated(1, 1), Qt::AlignRight | Qt::AlignVCenter, name, f, Highlight);
    drawText(p, box, Qt::AlignRight | Qt::AlignVCenter, name, f, Shadow);
}
} // namespace

QImage drawRemotePanelBackground(int scale)
{
    QImage image = canvas(QSize(330, 480), scale, Face);
    QPainter p(&image);
    const QFont captionFont = font(10, true);

    // The pointer pad, 3 x 3 keys with the centre empty.
    drawEtchedOutline(p, QPolygon(QRect(132, 23, 164, 163)));
    // Resolutions and RGB inputs are one group; GAMMA, below VGA, stays outside it.
    drawEtchedOutline(p, QPolygon({QPoint(14, 276), QPoint(313, 276), QPoint(313, 312),
                                   QPoint(164, 312), QPoint(164, 350), QPoint(14, 350)}));
    drawEtchedOutline(p, QPolygon(QRect(16, 413, 224, 42)));
    drawGrooveTitle(p, QPoint(22, 407), QStringLiteral("IRIS"), captionFont);

    drawRotationTitle(p, captionFont);
    for (const Caption &c : Captions)
        drawCentred(p, captionBox(c), QString::fromLatin1(c.text), captionFont, Text);
    drawMaker(p);
    return image;
}
