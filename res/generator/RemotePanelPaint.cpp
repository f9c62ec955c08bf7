// SPDX-License-Identifier: MIT
#include "res/generator/RemotePanelPaint.h"

#include "res/generator/Catalogue.h"

#include <QFontMetrics>
#include <QPainter>

namespace PanelPaint {
QFont font(int pixelSize, bool crisp, QFont::Weight weight)
{
    QFont f(textFamily());
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    if (crisp) {
        f.setStyleStrategy(QFont::NoAntialias);
        // Whole-pixel advances: without them unsmoothed letters sit unevenly apart.
        f.setHintingPreference(QFont::PreferFullHinting);
    }
    return f;
}

QFont fittingFont(const QString &text, int width, int maxPixelSize, bool crisp)
{
    // Narrower letters first, a smaller size only when they are not enough: a long caption
    // stays as tall as its neighbours.
    QFont f = font(maxPixelSize, crisp);
    for (int size = maxPixelSize; size >= 7; --size) {
        for (int stretch = QFont::Unstretched; stretch >= QFont::Condensed; stretch -= 5) {
            f = font(size, crisp);
            f.setStretch(stretch);
            if (QFontMetrics(f).horizontalAdvance(text) <= width)
                return f;
        }
    }
    return f;
}

void drawCentred(QPainter &p, const QRect &box, const QString &text, const QFont &font,
                 const QColor &colour)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawEtchedRect(QPainter &p, const QRect &rect)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Highlight);
    p.drawRect(rect.translated(1, 1));
    p.setPen(Shadow);
    p.drawRect(rect);
}

QImage toIndexed(const QImage &image)
{
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed =
        opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.convertToFormat(QImage::Format_RGB32) != opaque)
        return QImage();
    return indexed;
}
} // namespace PanelPaint
