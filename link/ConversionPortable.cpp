// SPDX-License-Identifier: MIT
#include "link/ConversionKernels.h"

#include <array>
#include <cstddef>
#include <cstdint>

void convertGroupsPortable(const std::uint8_t *in, std::uint8_t *out, std::size_t groups,
                           ColorCoefficients coefficients, int toneRow)
{
    const int gain = chromaGainQuarters(toneRow);
    // tone[v] is T[ClampToByte(v)] for every Y + d. By colour difference byte: where blue's and
    // red's outputs start in it (blue depends on Cb only, red on Cr only), and the parts of
    // green's dividend.
    const std::uint8_t *tone = FusedToneTable[toneRow].data() + FusedToneOffset;
    std::array<const std::uint8_t *, 256> blueTone{};
    std::array<const std::uint8_t *, 256> redTone{};
    std::array<int, 256> greenFromCb{};
    std::array<int, 256> greenFromCr{};
    for (int c = -128; c < 128; ++c) {
        const auto byte = std::uint8_t(c);
        blueTone[byte] = tone + chromaShifts(coefficients, c, 0, gain).blue;
        redTone[byte] = tone + chromaShifts(coefficients, 0, c, gain).red;
        greenFromCb[byte] = greenDividend(coefficients, c, 0, gain);
        greenFromCr[byte] = greenDividend(coefficients, 0, c, gain);
    }

    for (std::size_t group = 0; group < groups; ++group, in += 4, out += 6) {
        const std::uint8_t cb = in[0];
        const std::size_t y0 = in[1];
        const std::uint8_t cr = in[2];
        const std::size_t y1 = in[3];
        const std::uint8_t *blue = blueTone[cb];
        const std::uint8_t *green = tone + (greenFromCb[cb] + greenFromCr[cr]) / 256;
        const std::uint8_t *red = redTone[cr];
        out[0] = blue[y0];
        out[1] = green[y0];
        out[2] = red[y0];
        out[3] = blue[y1];
        out[4] = green[y1];
        out[5] = red[y1];
    }
}
