// SPDX-License-Identifier: MIT
#include "picture/ImageFileFormat.h"

#include "picture/ImagingControl.h"

#include <gtest/gtest.h>

namespace {
TEST(ImageFileFormat, LooksAtTheFileNameNotTheFolder)
{
    EXPECT_EQ(imageFormatForFileName(QStringLiteral("/tmp/x.bmp/picture")),
              ImagingControl::ImageFormatJpeg);
    EXPECT_EQ(imageFormatForFileName(QStringLiteral("/tmp/x.jpg/picture.bmp")),
              ImagingControl::ImageFormatBmp);
}

// A name on the command line: nothing added ".BMP" to a bare one, and a PDF can be written.
TEST(ImageFileFormat, CommandLineNamesMayBeBareOrPdf)
{
    const PictureFileNaming commandLine{.pdfWritten = true, .bareNameIsBmp = true};
    EXPECT_EQ(pictureFileForName(QStringLiteral("/tmp/x.pdf/shot"), commandLine), PictureFile::Bmp);
    EXPECT_EQ(pictureFileForName(QStringLiteral("/tmp/shot.Pdf"), commandLine), PictureFile::Pdf);
    EXPECT_EQ(pictureFileForName(QStringLiteral("/tmp/shot.pdf")), PictureFile::Jpeg);
}
} // namespace
