// SPDX-License-Identifier: MIT
#include "tests/support/PlainJpegEncoder.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

void encodeBgrJpeg(
    const QImage &bgr, const std::function<void(jpeg_compress_struct &)> &configure,
    const std::function<void(const unsigned char *data, unsigned long size)> &consume)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = JDIMENSION(bgr.width());
    info.image_height = JDIMENSION(bgr.height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    configure(info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(bgr.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    consume(output, size);
    std::free(output);
}

void encodeJpegPlainly(
    const QImage &bgr, int quality,
    const std::function<void(const unsigned char *data, unsigned long size)> &consume)
{
    encodeBgrJpeg(
        bgr, [quality](jpeg_compress_struct &info) { jpeg_set_quality(&info, quality, TRUE); },
        consume);
}
