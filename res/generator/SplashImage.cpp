// SPDX-License-Identifier: MIT
// The splash bitmap, 320 x 320: the emblem over the product name on a deep blue ground.
#include "res/generator/Catalogue.h"
#include "res/generator/DocumentCamera.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>

namespace {
constexpr int Size = 320;

void paintGround(QPainter &p)
{
    QRadialGradient ground(QPointF(Size / 2.0, Size * 0.35), Size * 0.8);
    ground.setColorAt(0, QColor(0x2c, 0x6f, 0xc2));
    ground.setColorAt(1, QColor(0x0a, 0x22, 0x44));
    p.fillRect(QRect(0, 0, Size, Size), ground);
}

void paintText(QPainter &p, const QString &text, int pixelSize, QFont::Weight weight,
               const QColor &colour, const QRect &box)
{
    QFont font(textFamily());
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignBaseline, text);
}
} // namespace

QImage drawSplash()
{
    QImage splash(Size, Size, QImage::Format_RGB32);
    QPainter p(&splash);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintGround(p);
    // A soft shadow grounds the camera's base.
    QRadialGradient shadow(QPointF(Size / 2.0, 194), 120);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(0, 194);
    p.scale(1, 0.14);
    p.translate(0, -194);
    p.fillRect(QRectF(40, 80, 240, 220), shadow);
    p.restore();
    paintDocumentCamera(p, QRectF(70, 24, 180, 180));

    p.setPen(QPen(QColor(0x8f, 0xc1, 0xff), 2));
    p.drawLine(QPointF(90, 222), QPointF(230, 222));
    paintText(p, QStringLiteral("Quillon"), 46, QFont::Bold, Qt::white, QRect(0, 232, Size, 50));
    paintText(p, QStringLiteral("for USB"), 22, QFont::Normal, QColor(0xbf, 0xdc, 0xff),
              QRect(0, 280, Size, 28));
    return splash;
}
