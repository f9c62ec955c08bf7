// SPDX-License-Identifier: MIT
#include "view/PictureOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

namespace PictureOutput {
void copyToClipboard(const QImage &picture)
{
    QGuiApplication::clipboard()->setImage(picture);
}

QRect fittedRect(QSize picture, const QRect &area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSize fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return {area.left() + (area.width() - fitted.width()) / 2,
            area.top() + (area.height() - fitted.height()) / 2, fitted.width(), fitted.height()};
}

bool print(QPrinter &printer, const QImage &picture)
{
    QPainter painter;
    if (picture.isNull() || !painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The painter's viewport is the printable area of the page.
    painter.drawImage(fittedRect(picture.size(), painter.viewport()), picture);
    return painter.end();
}
} // namespace PictureOutput
