// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What a picture is written as, from the file's name alone: the text after the last dot of the
// name decides, in any case. "BMP" is BMP and "PNG" is PNG (JPEG bytes under a PNG name would
// mislead every program that trusts the name); "PDF" is a one-page PDF where the caller can
// write one; every other extension is JPEG. A name without any extension is JPEG, or BMP where
// nothing could have added an extension to it (a name on the command line; the save dialog adds
// one itself).
enum class PictureFile
{
    Bmp,
    Jpeg,
    Png,
    Pdf,
};

struct PictureFileNaming
{
    bool pdfWritten = false;
    bool bareNameIsBmp = false;
};

PictureFile pictureFileForName(const QString &path, PictureFileNaming naming = {});

// The imaging control's format code (ImagingControl::ImageFormat...) of an image file; JPEG's
// for a PDF, which the control does not write.
short imagingFormatOf(PictureFile file);

// imagingFormatOf(pictureFileForName(path)): the format a save from the window writes.
short imageFormatForFileName(const QString &path);
