// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"

#include <cstdint>
#include <span>

// The colour conversion computed literally in double precision, one group at a time: the
// yardstick for exactness tests and the slow end of the benchmark. Writes the pixel rows only
// (the bytes after the bitmap header).
void convertPixelsLiterally(std::span<const std::uint8_t, FrameLayout::CroppedFrameBytes> frame,
                            std::span<std::uint8_t, FrameLayout::BitmapPixelBytes> pixels,
                            ColorCoefficients k, int gammaSelection);
