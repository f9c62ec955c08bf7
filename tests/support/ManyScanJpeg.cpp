// SPDX-License-Identifier: MIT
#include "tests/support/ManyScanJpeg.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {
QByteArray encodeProgressive(const QImage &bgr, RepeatedScan kind, int *scans)
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
    // DC of all three components, then the AC band of each, every scan at full precision.
    static const jpeg_scan_info firstPass[] = {
        {3, {0, 1, 2, 0}, 0, 0, 0, 0},
        {1, {0, 0, 0, 0}, 1, 63, 0, 0},
        {1, {1, 0, 0, 0}, 1, 63, 0, 0},
        {1, {2, 0, 0, 0}, 1, 63, 0, 0},
    };
    if (kind == RepeatedScan::Refinement) {
        jpeg_simple_progression(&info);
    } else {
        info.scan_info = firstPass;
        info.num_scans = 4;
    }
    *scans = info.num_scans;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(bgr.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray file(reinterpret_cast<const char *>(output), qsizetype(size));
    std::free(output);
    return file;
}
} // namespace

QByteArray manyScanJpeg(const QImage &bgr, RepeatedScan kind, int totalScans)
{
    int scans = 0;
    QByteArray file = encodeProgressive(bgr, kind, &scans);
    // Entropy-coded data never holds FF DA (a coded FF is followed by 00), so the last SOS marker
    // found starts the last scan, which runs up to the EOI marker at the very end.
    const qsizetype lastScan = file.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
    const QByteArray scan = file.mid(lastScan, file.size() - 2 - lastScan);
    QByteArray repeated = file.left(file.size() - 2);
    for (int i = scans; i < totalScans; ++i)
        repeated += scan;
    return repeated + QByteArrayLiteral("\xFF\xD9");
}
