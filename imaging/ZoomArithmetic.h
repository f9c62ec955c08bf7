// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// Zoom steps of ten percent on the zoom truncated toward zero to a whole percentage, and the
// best-fit zoom of an image in a client area. Free of widgets so they are tested exactly.
namespace ZoomArithmetic {
inline constexpr int StepPercent = 10;

// The next multiple of ten above the zoom: 100 -> 110, 37.8 -> 40, 7 -> 10. No upper limit.
int zoomInTarget(float zoomPercent);
// The next multiple of ten below it: 110 -> 100, 37.8 -> 30, 15 -> 10; nothing at or below 10.
std::optional<int> zoomOutTarget(float zoomPercent);
// Zoom out is offered only while the truncated zoom is above 10.
bool canZoomOut(float zoomPercent);

// The largest zoom at which an imageWidth x imageHeight picture fits a clientWidth x
// clientHeight area. 100 for an image without size.
float bestFitZoom(int clientWidth, int clientHeight, int imageWidth, int imageHeight);
} // namespace ZoomArithmetic
