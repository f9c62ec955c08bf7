// SPDX-License-Identifier: MIT
#include "picture/ImageFileFormat.h"

#include "picture/ImagingControl.h"

#include <QFileInfo>

PictureFile pictureFileForName(const QString &path, PictureFileNaming naming)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return naming.bareNameIsBmp ? PictureFile::Bmp : PictureFile::Jpeg;
    const QString extension = name.mid(dot + 1);
    const auto is = [&extension](const char *text) {
        return extension.compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
    };
    if (is("BMP"))
        return PictureFile::Bmp;
    if (is("PNG"))
        return PictureFile::Png;
    if (naming.pdfWritten && is("PDF"))
        return PictureFile::Pdf;
    return PictureFile::Jpeg;
}

short imagingFormatOf(PictureFile file)
{
    switch (file) {
    case PictureFile::Bmp:
        return ImagingControl::ImageFormatBmp;
    case PictureFile::Png:
        return ImagingControl::ImageFormatPng;
    case PictureFile::Jpeg:
    case PictureFile::Pdf:
        break;
    }
    return ImagingControl::ImageFormatJpeg;
}

short imageFormatForFileName(const QString &path)
{
    return imagingFormatOf(pictureFileForName(path));
}
