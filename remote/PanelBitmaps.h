// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QPalette;

// The remote panel's bitmaps, looked up by resource id ("136", "BTN1U").
QString panelBitmapPath(const QString &id);

// Replaces black, dark grey (128), light grey (192) and white in an 8-bit image's colour table
// by the palette's button text, button shadow, button face and button highlight colours, so
// that the panel follows the desktop's colour scheme. Other colours are left alone.
QImage mapSystemColours(QImage image, const QPalette &palette);

// The bitmap with the palette's colours applied; null when it does not exist. Kept in
// QPixmapCache per palette, so painting does not decode an image each time. For a device pixel
// ratio above 1 it is the one drawn at twice the size ("@2x") where there is one, with a ratio
// of 2; its deviceIndependentSize() is always the size the panel lays out.
QPixmap panelBitmap(const QString &id, const QPalette &palette, qreal devicePixelRatio = 1);
QPixmap panelBitmap(int id, const QPalette &palette, qreal devicePixelRatio = 1);
