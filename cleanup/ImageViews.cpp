// SPDX-License-Identifier: MIT
#include "cleanup/ImageViews.h"

#include <cstring>
#include <leptonica/allheaders.h>

namespace ImageViews {
QImage workingForm(const QImage &picture)
{
    return picture.convertToFormat(picture.isGrayscale() ? QImage::Format_Grayscale8
                                                         : QImage::Format_RGB888);
}

cv::Mat sharedMat(const QImage &picture)
{
    const int type = picture.format() == QImage::Format_Grayscale8 ? CV_8UC1 : CV_8UC3;
    // The matrix only reads through this pointer while the picture is held unchanged.
    return cv::Mat(picture.height(), picture.width(), type, const_cast<uchar *>(picture.bits()),
                   std::size_t(picture.bytesPerLine()));
}

QImage imageOf(const cv::Mat &mat)
{
    const QImage view(mat.data, mat.cols, mat.rows, qsizetype(mat.step),
                      mat.channels() == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    return view.copy();
}

void PixRelease::operator()(Pix *pix) const
{
    pixDestroy(&pix);
}

PixPtr pixOf(const QImage &picture)
{
    // Every picture the room hands Leptonica comes through here. Its messages, errors too (a
    // page with columns of desk and no paper to measure the background on), go to standard
    // error, where a headless capture's caller reads failures; every call's failure is handled
    // by its caller, and the room reports its own causes under its category.
    static const l_int32 quiet = setMsgSeverity(L_SEVERITY_NONE);
    Q_UNUSED(quiet);
    const bool colour = picture.format() == QImage::Format_RGB888;
    const int depth = colour ? 32 : picture.format() == QImage::Format_Mono ? 1 : 8;
    PixPtr pix(pixCreate(picture.width(), picture.height(), depth));
    if (!pix)
        return pix;
    l_uint32 *data = pixGetData(pix.get());
    const int wordsPerLine = pixGetWpl(pix.get());
    for (int y = 0; y < picture.height(); ++y) {
        l_uint32 *line = data + std::ptrdiff_t(y) * wordsPerLine;
        const uchar *from = picture.constScanLine(y);
        if (colour) {
            for (int x = 0; x < picture.width(); ++x, from += 3)
                composeRGBPixel(from[0], from[1], from[2], line + x);
        } else {
            std::memcpy(line, from,
                        std::size_t(depth == 8 ? picture.width() : (picture.width() + 7) / 8));
        }
    }
    // Leptonica keeps the bytes of a line of 8 or 1 bits in the order of its 32-bit words.
    if (!colour)
        pixEndianByteSwap(pix.get());
    const QList<QRgb> table = picture.colorTable();
    if (depth == 1 && table.size() == 2 && qGray(table[1]) > qGray(table[0]))
        pixInvert(pix.get(), pix.get());
    return pix;
}

QImage imageOf(const Pix *constPix)
{
    // Leptonica's getters take no const, though they do not change the picture.
    Pix *pix = const_cast<Pix *>(constPix);
    const int depth = pixGetDepth(pix);
    if (depth != 8 && depth != 1 && depth != 32)
        return {};
    const QImage::Format format = depth == 8    ? QImage::Format_Grayscale8
                                  : depth == 32 ? QImage::Format_RGB888
                                                : QImage::Format_Mono;
    QImage image(pixGetWidth(pix), pixGetHeight(pix), format);
    if (image.isNull())
        return image;
    const int wordsPerLine = pixGetWpl(pix);
    if (depth == 32) {
        const l_uint32 *data = pixGetData(pix);
        for (int y = 0; y < image.height(); ++y) {
            const l_uint32 *line = data + std::ptrdiff_t(y) * wordsPerLine;
            uchar *to = image.scanLine(y);
            for (int x = 0; x < image.width(); ++x, to += 3) {
                l_int32 red = 0;
                l_int32 green = 0;
                l_int32 blue = 0;
                extractRGBValues(line[x], &red, &green, &blue);
                to[0] = uchar(red);
                to[1] = uchar(green);
                to[2] = uchar(blue);
            }
        }
        return image;
    }
    if (depth == 1)
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const PixPtr bytes(pixEndianByteSwapNew(pix));
    const l_uint32 *data = pixGetData(bytes.get());
    const std::size_t lineBytes = std::size_t(depth == 8 ? image.width() : (image.width() + 7) / 8);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), data + std::ptrdiff_t(y) * wordsPerLine, lineBytes);
    return image;
}
} // namespace ImageViews
