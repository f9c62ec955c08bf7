// SPDX-License-Identifier: MIT
#include "remote/PanelBitmaps.h"

#include <QPalette>
#include <QPixmapCache>

#include <array>
#include <utility>

namespace {
// The button colours are taken from the active group whatever the widget's state: a disabled
// toggle button must look like an enabled one.
QRgb buttonColour(const QPalette &palette, QPalette::ColorRole role)
{
    return palette.color(QPalette::Active, role).rgb();
}

std::array<std::pair<QRgb, QRgb>, 4> systemColourMap(const QPalette &palette)
{
    // Button shadow and highlight are the palette's Dark and Light roles; Shadow and Highlight
    // mean other things in Qt (the darkest frame line, the selection).
    return {{
        {qRgb(0, 0, 0), buttonColour(palette, QPalette::ButtonText)},
        {qRgb(128, 128, 128), buttonColour(palette, QPalette::Dark)},
        {qRgb(192, 192, 192), buttonColour(palette, QPalette::Button)},
        {qRgb(255, 255, 255), buttonColour(palette, QPalette::Light)},
    }};
}
} // namespace

QString panelBitmapPath(const QString &id)
{
    return QStringLiteral(":/images/rc-%1.png").arg(id);
}

QImage mapSystemColours(QImage image, const QPalette &palette)
{
    if (image.colorCount() == 0) {
        // Exact for images of up to 256 colours, which is what the panel's bitmaps are.
        image =
            image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    }
    const auto map = systemColourMap(palette);
    QList<QRgb> table = image.colorTable();
    for (QRgb &entry : table) {
        for (const auto &[from, to] : map) {
            if (entry == from) { // opaque entries only
                entry = to;
                break;
            }
        }
    }
    image.setColorTable(table);
    return image;
}

QPixmap panelBitmap(const QString &id, const QPalette &palette, qreal devicePixelRatio)
{
    const QString twice = devicePixelRatio > 1 ? QStringLiteral("@2x") : QString();
    QString key = QStringLiteral("remote-panel/") + id + twice;
    for (const auto &[from, to] : systemColourMap(palette))
        key += QLatin1Char('/') + QString::number(to, 16);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage image;
    // The image reader gives an "@2x" file its ratio of 2.
    if (!twice.isEmpty())
        image.load(panelBitmapPath(id + twice));
    if (image.isNull())
        image.load(panelBitmapPath(id));
    if (image.isNull())
        return QPixmap();
    pixmap = QPixmap::fromImage(mapSystemColours(image, palette));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap panelBitmap(int id, const QPalette &palette, qreal devicePixelRatio)
{
    return panelBitmap(QString::number(id), palette, devicePixelRatio);
}
