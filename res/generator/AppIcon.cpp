// SPDX-License-Identifier: MIT
// The application icon. The smallest size is pixel art: the drawn emblem turns to mush there.
#include "res/generator/Catalogue.h"
#include "res/generator/DocumentCamera.h"
#include "res/icon/app-icon-16.xpm"

#include <QPainter>

QImage drawAppIcon(int size)
{
    if (size == 16)
        return QImage(app_icon_16_xpm).convertToFormat(QImage::Format_ARGB32);
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    paintDocumentCamera(painter, QRectF(0, 0, size, size));
    return icon;
}
