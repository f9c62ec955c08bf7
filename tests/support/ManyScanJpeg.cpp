// SPDX-License-Identifier: MIT
#include "tests/support/ManyScanJpeg.h"

#include "tests/support/PlainJpegEncoder.h"

#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {
QByteArray encodeProgressive(const QImage &bgr, RepeatedScan kind, int *scans)
{
    // DC of all three components, then the AC band of each, every scan at full precision.
    static const jpeg_scan_info firstPass[] = {
        {3, {0, 1, 2, 0}, 0, 0, 0, 0},
        {1, {0, 0, 0, 0}, 1, 63, 0, 0},
        {1, {1, 0, 0, 0}, 1, 63, 0, 0},
        {1, {2, 0, 0, 0}, 1, 63, 0, 0},
    };
    QByteArray file;
    encodeBgrJpeg(
        bgr,
        [&](jpeg_compress_struct &info) {
            if (kind == RepeatedScan::Refinement) {
                jpeg_simple_progression(&info);
            } else {
                info.scan_info = firstPass;
                info.num_scans = 4;
            }
            *scans = info.num_scans;
        },
        [&file](const unsigned char *data, unsigned long size) {
            file = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
        });
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

QByteArray bandSplitJpeg(const QImage &bgr, int totalScans)
{
    std::vector<jpeg_scan_info> scans{{3, {0, 1, 2, 0}, 0, 0, 0, 0},
                                      {1, {1, 0, 0, 0}, 1, 63, 0, 0},
                                      {1, {2, 0, 0, 0}, 1, 63, 0, 0}};
    const int bands = totalScans - int(scans.size());
    for (int band = 0; band < bands; ++band)
        scans.push_back({1, {0, 0, 0, 0}, 1 + 63 * band / bands, 63 * (band + 1) / bands, 0, 0});
    QByteArray file;
    encodeBgrJpeg(
        bgr,
        [&scans](jpeg_compress_struct &info) {
            info.scan_info = scans.data();
            info.num_scans = int(scans.size());
        },
        [&file](const unsigned char *data, unsigned long size) {
            file = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
        });
    return file;
}
