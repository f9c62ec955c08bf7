// SPDX-License-Identifier: MIT
#include "document/PageImage.h"

#include "imaging/JpegCodec.h"

#include <leptonica/allheaders.h>
#include <memory>

namespace {
// JPEG quality factor of the pages (the encoder's quality 90): text stays sharp, while the
// camera's noise, which finer steps keep at great cost, is smoothed. Against the finest steps
// used before (factor 9) a page is 20 to 50 % smaller.
constexpr int PageQualityFactor = 30;

// A pixel counts as coloured when its channels differ by more than this (of 255): beyond the
// tint of paper under the lamps and the camera's noise. A picture with more than one coloured
// pixel in ColouredShare (a stamp, a coloured heading, a highlighted line) is kept in colour.
constexpr int ColouredSpread = 48;
constexpr int ColouredShare = 500;

// After the background is evened out to Leptonica's white level of 200, darker than this is ink.
// Tried on the simulator's typeset sheets: at 150 thin strokes of ten-point print broke up, at 185
// the desk's grain beside the sheet came through as specks.
constexpr int InkThreshold = 170;

struct PixFree
{
    void operator()(Pix *pix) const { pixDestroy(&pix); }
};
using PixPointer = std::unique_ptr<Pix, PixFree>;

bool holdsColour(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const qsizetype allowed = qsizetype(rgb.width()) * rgb.height() / ColouredShare;
    qsizetype coloured = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int r = qRed(line[x]);
            const int g = qGreen(line[x]);
            const int b = qBlue(line[x]);
            if (std::max({r, g, b}) - std::min({r, g, b}) > ColouredSpread && ++coloured > allowed)
                return true;
        }
    }
    return false;
}

PixPointer greyPix(const QImage &grey)
{
    PixPointer pix(pixCreate(grey.width(), grey.height(), 8));
    if (!pix)
        return nullptr;
    l_uint32 *data = pixGetData(pix.get());
    const int wordsPerLine = pixGetWpl(pix.get());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *from = grey.constScanLine(y);
        l_uint32 *line = data + std::ptrdiff_t(y) * wordsPerLine;
        for (int x = 0; x < grey.width(); ++x)
            SET_DATA_BYTE(line, x, from[x]);
    }
    return pix;
}

PageImage jpegImage(const QImage &picture, bool grey)
{
    PageImage image;
    image.form = grey ? PageImage::Form::Grey : PageImage::Form::Colour;
    image.size = picture.size();
    image.data = JpegCodec::encode(
        grey ? picture.convertToFormat(QImage::Format_Grayscale8) : picture, PageQualityFactor);
    image.dictionary = "/Width " + QByteArray::number(picture.width()) + " /Height " +
                       QByteArray::number(picture.height()) + " /ColorSpace " +
                       (grey ? "/DeviceGray" : "/DeviceRGB") +
                       " /BitsPerComponent 8 /Filter /DCTDecode";
    return image;
}

// The lamps light a sheet unevenly: the background is evened out first, so that one threshold
// separates ink from paper all over the page.
PageImage bilevelImage(const QImage &picture)
{
    PageImage image;
    image.form = PageImage::Form::Bilevel;
    const PixPointer grey = greyPix(picture.convertToFormat(QImage::Format_Grayscale8));
    PixPointer bilevel;
    if (picture.depth() == 1) {
        // Already thresholded (a cleaned page): coded as it is, neither evened nor enlarged again.
        bilevel.reset(grey ? pixThresholdToBinary(grey.get(), 128) : nullptr);
    } else {
        const PixPointer even(grey ? pixBackgroundNormSimple(grey.get(), nullptr, nullptr)
                                   : nullptr);
        bilevel.reset(even ? pixScaleGray2xLIThresh(even.get(), InkThreshold) : nullptr);
    }
    L_COMP_DATA *coded = nullptr;
    if (!bilevel || pixGenerateCIData(bilevel.get(), L_G4_ENCODE, 0, 0, &coded) != 0 || !coded)
        return image;
    image.size = QSize(coded->w, coded->h);
    image.data =
        QByteArray(reinterpret_cast<const char *>(coded->datacomp), qsizetype(coded->nbytescomp));
    image.dictionary = "/Width " + QByteArray::number(coded->w) + " /Height " +
                       QByteArray::number(coded->h) +
                       " /ColorSpace /DeviceGray /BitsPerComponent 1 /Filter /CCITTFaxDecode "
                       "/DecodeParms << /K -1 /Columns " +
                       QByteArray::number(coded->w) + " /Rows " + QByteArray::number(coded->h) +
                       (coded->minisblack ? " /BlackIs1 true" : "") + " >>";
    l_CIDataDestroy(&coded);
    return image;
}
} // namespace

PageImage::Form PageImage::formFor(const QImage &picture, PageEdits::ColourMode mode)
{
    switch (mode) {
    case PageEdits::ColourMode::BlackAndWhite:
        return Form::Bilevel;
    case PageEdits::ColourMode::Grey:
        return Form::Grey;
    case PageEdits::ColourMode::Colour:
        break;
    }
    return picture.isGrayscale() || !holdsColour(picture) ? Form::Grey : Form::Colour;
}

PageImage PageImage::encode(const QImage &picture, PageEdits::ColourMode mode)
{
    const Form form = formFor(picture, mode);
    return form == Form::Bilevel ? bilevelImage(picture) : jpegImage(picture, form == Form::Grey);
}
