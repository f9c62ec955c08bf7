// SPDX-License-Identifier: MIT
#include "link/ConversionKernels.h"

#include <array>
#include <cstddef>
#include <cstdint>

void convertPixelsPortable(CroppedFrameView frame, BitmapPixelView pixels,
                           ColorCoefficients coefficients, int toneRow)
{
    const int gain = chromaGainQuarters(toneRow);
    // By colour difference byte: the fused-table index offsets of blue and red, and the parts of
    // green's dividend. Blue depends on Cb only and red on Cr only.
    std::array<int, 256> blueIndex{};
    std::array<int, 256> redIndex{};
    std::array<int, 256> greenFromCb{};
    std::array<int, 256> greenFromCr{};
    for (int c = -128; c < 128; ++c) {
        const auto byte = std::uint8_t(c);
        blueIndex[byte] = chromaShifts(coefficients, c, 0, gain).blue + FusedToneOffset;
        redIndex[byte] = chromaShifts(coefficients, 0, c, gain).red + FusedToneOffset;
        greenFromCb[byte] = greenDividend(coefficients, c, 0, gain);
        greenFromCr[byte] = greenDividend(coefficients, 0, c, gain);
    }

    const std::uint8_t *tone = FusedToneTable[toneRow].data();
    const std::uint8_t *in = frame.data();
    std::uint8_t *out = pixels.data();
    for (std::size_t group = 0; group < frame.size() / 4; ++group, in += 4, out += 6) {
        const std::uint8_t cb = in[0];
        const int y0 = in[1];
        const std::uint8_t cr = in[2];
        const int y1 = in[3];
        const int blue = blueIndex[cb];
        const int green = (greenFromCb[cb] + greenFromCr[cr]) / 256 + FusedToneOffset;
        const int red = redIndex[cr];
        out[0] = tone[y0 + blue];
        out[1] = tone[y0 + green];
        out[2] = tone[y0 + red];
        out[3] = tone[y1 + blue];
        out[4] = tone[y1 + green];
        out[5] = tone[y1 + red];
    }
}
