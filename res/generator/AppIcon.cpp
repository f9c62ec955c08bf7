// SPDX-License-Identifier: MIT
// The application icon. The smallest size is pixel art: the drawn emblem turns to mush there.
#include "res/generator/Catalogue.h"
#include "res/generator/DocumentCamera.h"
#include "res/icon/app-icon-16.xpm"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

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

bool writeAppIconSvg(const QString &path)
{
    constexpr int Size = 256;
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(Size, Size));
    svg.setViewBox(QRect(0, 0, Size, Size));
    svg.setTitle(QStringLiteral("Quillon for USB"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paintDocumentCamera(painter, QRectF(0, 0, Size, Size));
    if (!painter.end())
        return false;
    // The generator gives the size in millimetres at its own resolution, which renderers read
    // at theirs; icon themes expect plain pixels.
    QString text = QString::fromUtf8(buffer.data());
    text.replace(QRegularExpression(QStringLiteral(R"(<svg width="[0-9.]+mm" height="[0-9.]+mm")")),
                 QStringLiteral(R"(<svg width="%1" height="%1")").arg(Size));
    const QByteArray bytes = text.toUtf8();
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
