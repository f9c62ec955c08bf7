// SPDX-License-Identifier: MIT
#include "view/ImageFileFormat.h"

#include "view/ImagingControl.h"

#include <QFileInfo>

short imageFormatForFileName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0 && name.mid(dot + 1).compare(QLatin1String("BMP"), Qt::CaseInsensitive) == 0)
        return ImagingControl::ImageFormatBmp;
    return ImagingControl::ImageFormatJpeg;
}
