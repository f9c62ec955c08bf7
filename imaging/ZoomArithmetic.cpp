// SPDX-License-Identifier: MIT
#include "imaging/ZoomArithmetic.h"

#include <cstdint>

namespace ZoomArithmetic {
namespace {
int truncatedPercent(float zoomPercent)
{
    return static_cast<int>(zoomPercent);
}
} // namespace

int zoomInTarget(float zoomPercent)
{
    const int z = truncatedPercent(zoomPercent);
    return z % StepPercent == 0 ? z + StepPercent : (z / StepPercent) * StepPercent + StepPercent;
}

std::optional<int> zoomOutTarget(float zoomPercent)
{
    const int z = truncatedPercent(zoomPercent);
    const int rounded = z % StepPercent == 0 ? z : (z / StepPercent + 1) * StepPercent;
    if (rounded <= StepPercent)
        return std::nullopt;
    return rounded - StepPercent;
}

bool canZoomOut(float zoomPercent)
{
    return truncatedPercent(zoomPercent) > StepPercent;
}

float bestFitZoom(int clientWidth, int clientHeight, int imageWidth, int imageHeight)
{
    // An image without size cannot be fitted; dividing by it would be undefined.
    if (imageWidth <= 0 || imageHeight <= 0)
        return 100.0f;
    // The comparison truncates like the integer arithmetic it always used; 64 bits only keep
    // very large images from overflowing it.
    const std::int64_t heightAtFullWidth = std::int64_t(clientWidth) * imageHeight / imageWidth;
    if (heightAtFullWidth < clientHeight)
        return static_cast<float>(100.0 * clientWidth / imageWidth);
    return static_cast<float>(100.0 * clientHeight / imageHeight);
}
} // namespace ZoomArithmetic
