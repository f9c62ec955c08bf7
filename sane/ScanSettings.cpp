// SPDX-License-Identifier: MIT
#include "sane/ScanSettings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
int toPixels(SANE_Fixed millimetres, int limit)
{
    const double pixels = SANE_UNFIX(millimetres) * ScanSettings::Resolution / 25.4;
    return int(std::clamp(std::lround(pixels), 0L, long(limit)));
}

// One edge pair as a start and a length of at least one pixel within 0..limit.
std::pair<int, int> span(SANE_Fixed from, SANE_Fixed to, int limit)
{
    int start = toPixels(from, limit);
    int end = toPixels(to, limit);
    if (start > end)
        std::swap(start, end);
    if (start == end) {
        if (end < limit)
            ++end;
        else
            --start;
    }
    return {start, end - start};
}
} // namespace

ScanArea scanArea(const ScanSettings &settings)
{
    const auto [x, width] = span(settings.left, settings.right, ScanSettings::PictureWidth);
    const auto [y, height] = span(settings.top, settings.bottom, ScanSettings::PictureHeight);
    return {x, y, width, height};
}

SANE_Parameters scanParameters(const ScanSettings &settings)
{
    const ScanArea area = scanArea(settings);
    // A preview halves the picture each way; an odd last row or column is left out.
    const int width = settings.preview ? std::max(1, area.width / 2) : area.width;
    const int height = settings.preview ? std::max(1, area.height / 2) : area.height;
    SANE_Parameters parameters{};
    parameters.last_frame = SANE_TRUE;
    parameters.pixels_per_line = width;
    parameters.lines = height;
    switch (settings.mode) {
    case ScanMode::Color:
        parameters.format = SANE_FRAME_RGB;
        parameters.depth = 8;
        parameters.bytes_per_line = width * 3;
        break;
    case ScanMode::Gray:
        parameters.format = SANE_FRAME_GRAY;
        parameters.depth = 8;
        parameters.bytes_per_line = width;
        break;
    case ScanMode::Lineart:
        parameters.format = SANE_FRAME_GRAY;
        parameters.depth = 1;
        parameters.bytes_per_line = (width + 7) / 8;
        break;
    }
    return parameters;
}
