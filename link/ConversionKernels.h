// SPDX-License-Identifier: MIT
#pragma once

#include "kernels/CpuPath.h"
#include "link/ColorConversion.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Internals shared by the implementations of the pixel conversion and by its tests.
//
// Per group Cb Y0 Cr Y1 (Cb, Cr signed; Y, k unsigned) the colour differences are
//     dB = trunc(g * 2 * k1 * Cb / 128)
//     dG = trunc((g * -2 * k2 * Cr - g * 2 * k3 * Cb) / 64)
//     dR = trunc(g * 2 * k0 * Cr / 128)
// with the chroma gain g = 1.25 (gamma correction on) or 1.0. Writing g as n / 4 makes them
// integer quotients, and C++ integer division truncates toward zero, so the results equal the
// double-precision ones (whose intermediate values are all exact) for every input.

// The chroma gain in quarters: 1.25 = 5 / 4, 1.0 = 4 / 4.
constexpr int chromaGainQuarters(int toneRow)
{
    return toneRow == 0 ? 5 : 4;
}

struct ChromaShifts
{
    int blue = 0;
    int green = 0;
    int red = 0;
};

// Green's dividend; it is linear in Cb and Cr, so it can be summed from a part for each.
constexpr int greenDividend(ColorCoefficients k, int cb, int cr, int gainQuarters)
{
    return gainQuarters * (-2 * k.k2 * cr - 2 * k.k3 * cb);
}

constexpr ChromaShifts chromaShifts(ColorCoefficients k, int cb, int cr, int gainQuarters)
{
    return {gainQuarters * 2 * k.k1 * cb / 512, greenDividend(k, cb, cr, gainQuarters) / 256,
            gainQuarters * 2 * k.k0 * cr / 512};
}

struct ShiftRange
{
    int low = 0;
    int high = 0;
};

// Every shift is monotonic in each coefficient and each colour difference, so its extremes lie
// at the corners: coefficients 0 or 255, colour differences -128 or 127.
constexpr ShiftRange chromaShiftRange()
{
    ShiftRange range;
    constexpr std::array<std::uint8_t, 2> ks{0, 255};
    constexpr std::array<int, 2> cs{-128, 127};
    for (int gain : {4, 5})
        for (auto k0 : ks)
            for (auto k1 : ks)
                for (auto k2 : ks)
                    for (auto k3 : ks)
                        for (int cb : cs)
                            for (int cr : cs) {
                                const ChromaShifts s = chromaShifts({k0, k1, k2, k3}, cb, cr, gain);
                                range.low = std::min({range.low, s.blue, s.green, s.red});
                                range.high = std::max({range.high, s.blue, s.green, s.red});
                            }
    return range;
}

inline constexpr ShiftRange ChromaShiftRange = chromaShiftRange();
static_assert(ChromaShiftRange.low == -2530 && ChromaShiftRange.high == 2550);

// Clamping and the tone curve folded into one table indexed by Y + d + FusedToneOffset, where
// Y + d spans -2530 to 2805.
inline constexpr int FusedToneOffset = -ChromaShiftRange.low;
inline constexpr int FusedToneSize = 255 + ChromaShiftRange.high + FusedToneOffset + 1;

using FusedToneRow = std::array<std::uint8_t, FusedToneSize>;

inline constexpr std::array<FusedToneRow, 2> FusedToneTable = [] {
    std::array<FusedToneRow, 2> table{};
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < FusedToneSize; ++i)
            table[row][i] = ToneTable[row][ClampToByte(i - FusedToneOffset)];
    return table;
}();

// The vector paths convert whole steps of 16 or 32 groups: each is given a positive multiple of
// this many.
inline constexpr std::size_t VectorStepGroups = 32;

// Each converts groups of 4 bytes (Cb Y0 Cr Y1) into 6 (B0 G0 R0 B1 G1 R1): rows of a cropped
// frame into the same rows of the bitmap's pixels (the bytes after the header).
void convertGroupsPortable(const std::uint8_t *in, std::uint8_t *out, std::size_t groups,
                           ColorCoefficients coefficients, int toneRow);
#ifdef QUILLON_X86_64_KERNELS
void convertGroupsAvx2(const std::uint8_t *in, std::uint8_t *out, std::size_t groups,
                       ColorCoefficients coefficients, int toneRow);
void convertGroupsAvx512Vbmi(const std::uint8_t *in, std::uint8_t *out, std::size_t groups,
                             ColorCoefficients coefficients, int toneRow);
// The AVX2 path's tone curve alone: ToneTable[toneRow] of every byte of whole 32-byte vectors,
// so that its share of the conversion's time can be measured.
void toneBytesAvx2(const std::uint8_t *in, std::uint8_t *out, std::size_t vectors, int toneRow);
#endif
