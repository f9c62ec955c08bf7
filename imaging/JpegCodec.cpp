// SPDX-License-Identifier: MIT
#include "imaging/JpegCodec.h"

#include "imaging/JpegScans.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <jpeglib.h>

// libjpeg reports fatal errors through a callback that must not return; it jumps back to the
// setjmp in compress() or decompress(). Those functions hold only C structures between setjmp
// and longjmp, so no C++ destructor is skipped.
namespace {
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Any warning already makes the decoded picture unusable; stopping at the first one spares the
// work on the rest of a damaged stream.
void stopAtWarning(j_common_ptr info, int level)
{
    if (level < 0)
        jumpBack(info);
}

// Nothing is printed.
void discardMessage(j_common_ptr) {}

jpeg_error_mgr *installErrorManager(ErrorManager &errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.output_message = discardMessage;
    return &errors.base;
}

struct JpegInput
{
    QImage image;
    J_COLOR_SPACE space = JCS_EXT_BGR;
    int components = 3;
};

JpegInput jpegInput(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_Grayscale8:
        return {image, JCS_GRAYSCALE, 1};
    case QImage::Format_BGR888:
        return {image, JCS_EXT_BGR, 3};
    case QImage::Format_RGB888:
        return {image, JCS_EXT_RGB, 3};
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return {image, JCS_EXT_BGRX, 4}; // little-endian memory order B, G, R, A
    default:
        return {image.convertToFormat(QImage::Format_BGR888), JCS_EXT_BGR, 3};
    }
}

bool compress(const JpegInput &input, int scalePercent, const QByteArray &comment,
              unsigned char **output, unsigned long *outputSize)
{
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, outputSize);
    info.image_width = JDIMENSION(input.image.width());
    info.image_height = JDIMENSION(input.image.height());
    info.input_components = input.components;
    info.in_color_space = input.space;
    jpeg_set_defaults(&info);
    jpeg_set_linear_quality(&info, scalePercent, TRUE);
    jpeg_start_compress(&info, TRUE);
    if (!comment.isEmpty())
        jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET *>(comment.constData()),
                          unsigned(std::min<qsizetype>(comment.size(), 65533)));
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(input.image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool decompress(std::span<const std::uint8_t> file, DecodedImage *decoded)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    errors.base.emit_message = stopAtWarning;
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK &&
              ImageLimits::acceptableSize(info.image_width, info.image_height);
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    // CMYK and YCCK would need a colour conversion libjpeg does not offer.
    ok = ok && (grey || info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB);
    if (ok) {
        info.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
        jpeg_start_decompress(&info);
        decoded->image = QImage(int(info.output_width), int(info.output_height),
                                grey ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
        decoded->bitsPerPixel = grey ? 8 : 24;
        ok = !decoded->image.isNull();
        while (ok && info.output_scanline < info.output_height) {
            JSAMPROW row = decoded->image.scanLine(int(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
        // A stream cut short or damaged is padded by libjpeg with a warning, not an error:
        // stopAtWarning has jumped back before this.
        if (ok)
            jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return ok;
}
} // namespace

namespace JpegCodec {
int tableScalePercent(int qualityFactor)
{
    const int factor = std::clamp(qualityFactor, BestFactor, MostCompressedFactor);
    return std::max(1, (2 * factor + 1) / 3);
}

std::optional<DecodedImage> decode(std::span<const std::uint8_t> file)
{
    DecodedImage decoded;
    if (!JpegScans::areBounded(file, MaxScans) || !decompress(file, &decoded))
        return std::nullopt;
    return decoded;
}

QByteArray encode(const QImage &image, int qualityFactor, const QByteArray &comment)
{
    if (image.isNull())
        return {};
    const JpegInput input = jpegInput(image);
    unsigned char *output = nullptr;
    unsigned long outputSize = 0;
    QByteArray file;
    if (compress(input, tableScalePercent(qualityFactor), comment, &output, &outputSize))
        file = QByteArray(reinterpret_cast<const char *>(output), qsizetype(outputSize));
    std::free(output);
    return file;
}
} // namespace JpegCodec
