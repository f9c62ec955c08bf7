// SPDX-License-Identifier: MIT
#include "picture/ImageFileFormat.h"

#include "picture/ImagingControl.h"

#include <QFileInfo>

short imageFormatForFileName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return ImagingControl::ImageFormatJpeg;
    const QString extension = name.mid(dot + 1);
    if (extension.compare(QLatin1String("BMP"), Qt::CaseInsensitive) == 0)
        return ImagingControl::ImageFormatBmp;
    // JPEG bytes under a PNG name would mislead every program that trusts the name.
    if (extension.compare(QLatin1String("PNG"), Qt::CaseInsensitive) == 0)
        return ImagingControl::ImageFormatPng;
    return ImagingControl::ImageFormatJpeg;
}
