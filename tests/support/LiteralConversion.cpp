// SPDX-License-Identifier: MIT
#include "tests/support/LiteralConversion.h"

#include "link/ColorConversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

void convertPixelsLiterally(std::span<const std::uint8_t, FrameLayout::CroppedFrameBytes> frame,
                            std::span<std::uint8_t, FrameLayout::BitmapPixelBytes> pixels,
                            ColorCoefficients k, int gammaSelection)
{
    const double g = gammaSelection != 0 ? 1.0 : 1.25;
    const auto &tone = ToneTable[gammaSelection != 0 ? 1 : 0];
    const auto out = [&](int v) {
        return tone[std::size_t(std::clamp(v, 0, 255))];
    };
    for (std::size_t group = 0; group < frame.size() / 4; ++group) {
        const int cb = std::int8_t(frame[4 * group]);
        const int y0 = frame[4 * group + 1];
        const int cr = std::int8_t(frame[4 * group + 2]);
        const int y1 = frame[4 * group + 3];
        const int dB = int(std::trunc(g * (2 * k.k1 * cb) * (1.0 / 128)));
        const int dG = int(std::trunc((g * (-2 * k.k2 * cr) - g * (2 * k.k3 * cb)) * (1.0 / 64)));
        const int dR = int(std::trunc(g * (2 * k.k0 * cr) * (1.0 / 128)));
        std::uint8_t *pixel = pixels.data() + 6 * group;
        pixel[0] = out(y0 + dB);
        pixel[1] = out(y0 + dG);
        pixel[2] = out(y0 + dR);
        pixel[3] = out(y1 + dB);
        pixel[4] = out(y1 + dG);
        pixel[5] = out(y1 + dR);
    }
}
