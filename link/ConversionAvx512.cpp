// SPDX-License-Identifier: MIT
// The pixel conversion with AVX-512 (F, BW and VBMI), 32 groups per step: two 64-byte loads in,
// three 64-byte stores out. The same integer arithmetic as the portable path, in 16- and 32-bit
// lanes; the clamp is the unsigned saturation of packing words into bytes, the tone curve a
// 256-entry byte lookup made of two two-register byte permutes.
//
// Only the functions marked with the target attribute use these instructions; the dispatcher
// calls them after checking that the processor has them.
#include "link/ConversionKernels.h"

#ifdef QUILLON_X86_64_KERNELS
#include <array>
#include <cstddef>
#include <cstdint>
#include <immintrin.h>

namespace {
constexpr std::size_t GroupsPerStep = 32;
static_assert(VectorStepGroups % GroupsPerStep == 0);

// One step's sums Y + d are six vectors of 32 words, in this order, each holding two of a
// group's six output channels in the group's dword: for groups 0-15 BlueRed = [Y0+dB, Y1+dR],
// SwappedBlueRed = [Y1+dB, Y0+dR], Green = [Y0+dG, Y1+dG]; then the same for groups 16-31.
// Packing pairs them into three byte vectors: (0, 1), (2, 3), (4, 5).
enum SumVector
{
    BlueRed,
    SwappedBlueRed,
    Green
};

struct PackedByte
{
    int vector; // 0 to 2
    int byte;   // 0 to 63
};

// Where channel c (blue, green, red of the left pixel, then of the right) of group j of a step
// lands after packing. Packing words into bytes works per 128-bit lane: bytes 0-7 of a lane come
// from the first vector's 8 words of that lane, bytes 8-15 from the second's.
constexpr PackedByte packedByteOf(int group, int channel)
{
    constexpr std::array<SumVector, 6> vectorOf{BlueRed,        Green, SwappedBlueRed,
                                                SwappedBlueRed, Green, BlueRed};
    constexpr std::array<int, 6> wordOf{0, 0, 1, 0, 1, 1}; // low or high word of the dword
    const int sumVector = 3 * (group / 16) + vectorOf[channel];
    const int word = 2 * (group % 16) + wordOf[channel];
    return {sumVector / 2, 16 * (word / 8) + 8 * (sumVector % 2) + word % 8};
}

// Byte permutes from the packed vectors into output order. Output vector o takes its bytes from
// packed vectors `first` and first + 1; the middle output vector also needs bytes of packed
// vector 2, merged by a second, masked permute.
struct OutputPermute
{
    std::array<std::uint8_t, 64> index{};
    std::array<std::uint8_t, 64> lateIndex{};
    std::uint64_t lateMask = 0;
    bool complete = true; // every late byte comes from packed vector 2
};

constexpr OutputPermute outputPermute(int output, int first)
{
    OutputPermute permute;
    for (int i = 0; i < 64; ++i) {
        const int at = 64 * output + i;
        const PackedByte from = packedByteOf(at / 6, at % 6);
        if (from.vector == first || from.vector == first + 1) {
            permute.index[i] = std::uint8_t(64 * (from.vector - first) + from.byte);
        } else {
            permute.lateIndex[i] = std::uint8_t(64 + from.byte);
            permute.lateMask |= std::uint64_t(1) << i;
            permute.complete = permute.complete && from.vector == 2;
        }
    }
    return permute;
}

constexpr std::array<OutputPermute, 3> OutputPermutes{outputPermute(0, 0), outputPermute(1, 0),
                                                      outputPermute(2, 1)};
static_assert(OutputPermutes[0].lateMask == 0 && OutputPermutes[2].lateMask == 0 &&
              OutputPermutes[1].complete);

struct Constants
{
    __m512i blueRedGain;       // words n*k1, n*k0 (n = chroma gain in quarters)
    __m512i greenCoefficients; // bytes k3, 0, k2, 0
    __m512i minusGain;         // words -n
    __m512i swappedLuma;       // byte shuffle of a group into words Y1, Y0
    __m512i lowWordTwice;      // byte shuffle: each dword's low word into both halves
    __m512i tone[4];
    __m512i index[3];
    __m512i lateIndex;
};

struct ChannelSums
{
    __m512i blueRed;
    __m512i swappedBlueRed;
    __m512i green;
};

// GCC 12 warns about its own placeholder operand inside the 32-bit shift intrinsics; vector
// arithmetic compiles to the same shifts.
using Int32x16 = std::int32_t __attribute__((vector_size(64)));
using Uint32x16 = std::uint32_t __attribute__((vector_size(64)));

__attribute__((target("avx512f,avx512bw"))) __m512i load(const std::uint8_t *bytes)
{
    return _mm512_loadu_si512(bytes);
}

// The six channel sums of 16 groups, as three word vectors (see SumVector).
__attribute__((target("avx512f,avx512bw"))) ChannelSums sums(__m512i groups, const Constants &c)
{
    // dB and dR: trunc(n * k * C / 256) as the sign of C times floor(n * k * |C| / 256), taken
    // from the high half of the unsigned product of n * k and |C| << 8.
    const __m512i chromaHigh = _mm512_slli_epi16(groups, 8); // words Cb << 8, Cr << 8
    const __mmask32 negative = _mm512_movepi16_mask(chromaHigh);
    const __m512i magnitude = _mm512_mulhi_epu16(_mm512_abs_epi16(chromaHigh), c.blueRedGain);
    const __m512i blueRed =
        _mm512_mask_sub_epi16(magnitude, negative, _mm512_setzero_si512(), magnitude);

    // dG: trunc(-n * (k3 * Cb + k2 * Cr) / 128) in 32 bits; adding 127 to a negative dividend
    // before the arithmetic shift rounds toward zero (|dividend| < 2^19, so its top 7 bits are
    // all ones exactly when it is negative).
    const __m512i products = _mm512_maddubs_epi16(c.greenCoefficients, groups); // k3*Cb, k2*Cr
    const __m512i dividend = _mm512_madd_epi16(products, c.minusGain);
    const Int32x16 bias = Int32x16(Uint32x16(dividend) >> 25);
    const __m512i green = __m512i((Int32x16(dividend) + bias) >> 7);

    const __m512i luma = _mm512_srli_epi16(groups, 8); // words Y0, Y1
    return {_mm512_add_epi16(luma, blueRed),
            _mm512_add_epi16(_mm512_shuffle_epi8(groups, c.swappedLuma), blueRed),
            _mm512_add_epi16(luma, _mm512_shuffle_epi8(green, c.lowWordTwice))};
}

// The clamp (unsigned saturation) of two word vectors into bytes, then the tone curve.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) __m512i
clampAndTone(__m512i first, __m512i second, const Constants &c)
{
    const __m512i value = _mm512_packus_epi16(first, second);
    const __m512i low = _mm512_permutex2var_epi8(c.tone[0], value, c.tone[1]);
    const __m512i high = _mm512_permutex2var_epi8(c.tone[2], value, c.tone[3]);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(value), low, high);
}
} // namespace

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
convertGroupsAvx512Vbmi(const std::uint8_t *in, std::uint8_t *out, std::size_t groups,
                        ColorCoefficients coefficients, int toneRow)
{
    const std::size_t steps = groups / GroupsPerStep;
    const int gain = chromaGainQuarters(toneRow);
    Constants c;
    c.blueRedGain = _mm512_set1_epi32((gain * coefficients.k0) << 16 | (gain * coefficients.k1));
    c.greenCoefficients = _mm512_set1_epi32(coefficients.k2 << 16 | coefficients.k3);
    c.minusGain = _mm512_set1_epi16(std::int16_t(-gain));
    // Byte shuffles work per 128-bit lane; an index with its top bit set gives 0.
    c.swappedLuma = _mm512_set4_epi32(0x800D800F, 0x8009800B, 0x80058007, 0x80018003);
    c.lowWordTwice = _mm512_set4_epi32(0x0D0C0D0C, 0x09080908, 0x05040504, 0x01000100);
    for (int i = 0; i < 4; ++i)
        c.tone[i] = load(ToneTable[toneRow].data() + 64 * i);
    for (int i = 0; i < 3; ++i)
        c.index[i] = load(OutputPermutes[i].index.data());
    c.lateIndex = load(OutputPermutes[1].lateIndex.data());
    const __mmask64 lateMask = OutputPermutes[1].lateMask;

    for (std::size_t step = 0; step < steps; ++step) {
        const ChannelSums low = sums(load(in), c);
        const ChannelSums high = sums(load(in + 64), c);
        const __m512i p0 = clampAndTone(low.blueRed, low.swappedBlueRed, c);
        const __m512i p1 = clampAndTone(low.green, high.blueRed, c);
        const __m512i p2 = clampAndTone(high.swappedBlueRed, high.green, c);
        const __m512i middle = _mm512_permutex2var_epi8(p0, c.index[1], p1);
        _mm512_storeu_si512(out, _mm512_permutex2var_epi8(p0, c.index[0], p1));
        _mm512_storeu_si512(out + 64,
                            _mm512_mask_permutex2var_epi8(middle, lateMask, c.lateIndex, p2));
        _mm512_storeu_si512(out + 128, _mm512_permutex2var_epi8(p1, c.index[2], p2));
        in += 4 * GroupsPerStep;
        out += 6 * GroupsPerStep;
    }
}
#endif
