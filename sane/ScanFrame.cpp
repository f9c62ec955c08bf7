// SPDX-License-Identifier: MIT
#include "sane/ScanFrame.h"

#include <algorithm>
#include <cmath>

namespace {
// The area of the picture, halved for a preview: each pixel the rounded mean of a 2 x 2 block.
// Only a preview is made anew; else the picture's own rows are read where the area lies.
QImage previewPart(const QImage &rgb, const ScanArea &area, const SANE_Parameters &parameters)
{
    QImage half(parameters.pixels_per_line, parameters.lines, QImage::Format_RGB888);
    const int bottomRow = area.y + area.height - 1;
    const int rightColumn = area.x + area.width - 1;
    for (int y = 0; y < half.height(); ++y) {
        const uchar *upper = rgb.constScanLine(std::min(area.y + 2 * y, bottomRow));
        const uchar *lower = rgb.constScanLine(std::min(area.y + 2 * y + 1, bottomRow));
        uchar *out = half.scanLine(y);
        for (int x = 0; x < half.width(); ++x) {
            const int left = std::min(area.x + 2 * x, rightColumn) * 3;
            const int right = std::min(area.x + 2 * x + 1, rightColumn) * 3;
            for (int c = 0; c < 3; ++c)
                out[x * 3 + c] = uchar(
                    (upper[left + c] + upper[right + c] + lower[left + c] + lower[right + c] + 2) /
                    4);
        }
    }
    return half;
}
} // namespace

std::uint8_t ScanFrame::luma(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint8_t((299 * red + 587 * green + 114 * blue + 500) / 1000);
}

void ScanFrame::make(const QImage &picture, const ScanSettings &settings)
{
    m_bytes.clear();
    if (picture.width() != ScanSettings::PictureWidth ||
        picture.height() != ScanSettings::PictureHeight)
        return;
    m_parameters = scanParameters(settings);
    const ScanArea area = scanArea(settings);
    const QImage colours = picture.convertToFormat(QImage::Format_RGB888);
    const QImage half = settings.preview ? previewPart(colours, area, m_parameters) : QImage();
    const QImage &part = settings.preview ? half : colours;
    const int firstRow = settings.preview ? 0 : area.y;
    const int firstColumn = settings.preview ? 0 : area.x;
    const int width = m_parameters.pixels_per_line;
    const std::size_t lineBytes = std::size_t(m_parameters.bytes_per_line);
    m_bytes.resize(lineBytes * std::size_t(m_parameters.lines));
    // Black below the threshold: a grey level, 0 to 255, at the percentage.
    const double threshold = SANE_UNFIX(settings.threshold) * 255.0 / 100.0;
    for (int y = 0; y < m_parameters.lines; ++y) {
        const uchar *rgb = part.constScanLine(firstRow + y) + std::size_t(firstColumn) * 3;
        std::uint8_t *line = m_bytes.data() + std::size_t(y) * lineBytes;
        switch (settings.mode) {
        case ScanMode::Color:
            std::copy_n(rgb, lineBytes, line);
            break;
        case ScanMode::Gray:
            for (int x = 0; x < width; ++x)
                line[x] = luma(rgb[3 * x], rgb[3 * x + 1], rgb[3 * x + 2]);
            break;
        case ScanMode::Lineart:
            std::fill_n(line, lineBytes, 0);
            for (int x = 0; x < width; ++x) {
                if (luma(rgb[3 * x], rgb[3 * x + 1], rgb[3 * x + 2]) < threshold)
                    line[x / 8] |= std::uint8_t(0x80 >> (x % 8));
            }
            break;
        }
    }
}
