// SPDX-License-Identifier: MIT
// The pixel conversion with AVX2, 16 groups per step: two 32-byte loads in, 96 bytes out. The
// same integer arithmetic as the AVX-512 path, in 16- and 32-bit lanes, and the same clamp (the
// unsigned saturation of packing words into bytes). AVX2's byte lookup has 16 entries, so the
// tone curve is looked up in sixteen slices of 16 values kept in registers (see toned): no
// gathers, which are slow on many processors.
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
constexpr std::size_t GroupsPerStep = 16;
static_assert(VectorStepGroups % GroupsPerStep == 0);

// A byte shuffle looks up the low four bits of each index and gives 0 where the index's top bit
// is set. Indices v - 16 s (wrapping) have that bit clear, for v below 128, exactly for the
// slices s = 0 .. v / 16; so if slice s holds T[16 s + i] ^ T[16 (s - 1) + i], the exclusive or
// of the eight shuffles is T[v]. The values from 128 up are looked up the same way from v - 128
// in slices 8 to 15, and the top bit of v picks between the two results.
using ToneSlices = std::array<std::array<std::uint8_t, 32>, 16>; // each slice twice, one a lane

constexpr ToneSlices toneSlices(int toneRow)
{
    const auto &tone = ToneTable[std::size_t(toneRow)];
    ToneSlices slices{};
    for (std::size_t s = 0; s < 16; ++s)
        for (std::size_t i = 0; i < 32; ++i) {
            const std::size_t v = 16 * s + i % 16;
            slices[s][i] = std::uint8_t(tone[v] ^ (s % 8 == 0 ? 0 : tone[v - 16]));
        }
    return slices;
}

constexpr std::array<ToneSlices, 2> ToneSliceTables{toneSlices(0), toneSlices(1)};

// Within each 128-bit lane a step's toned bytes lie in packing order: for 4 groups q = 0..3 of
// half h (groups 0-7 or 8-15 of the step), blueRed gives bytes B0 R1 at 2q, swappedBlueRed B1 R0
// and green G0 G1 likewise, 8 bytes a vector. The three toned vectors hold, by 8 bytes:
// [a.blueRed a.swapped] [a.green b.blueRed] [b.swapped b.green]. Output byte o of the lane is
// channel o % 6 (B0 G0 R0 B1 G1 R1) of group o / 6.
enum TonedPart
{
    BlueRed,
    Swapped,
    Green
};

// Where a channel of group q of half h lies among the 48 toned bytes of a lane: toned vector
// at / 16, byte at % 16.
constexpr int tonedByteOf(int half, int q, int channel)
{
    constexpr std::array<TonedPart, 6> partOf{BlueRed, Green, Swapped, Swapped, Green, BlueRed};
    constexpr std::array<int, 6> byteOf{0, 0, 1, 0, 1, 1};
    const int eighth = 3 * half + partOf[std::size_t(channel)]; // 0-5 in the order above
    return 8 * eighth + 2 * q + byteOf[std::size_t(channel)];
}

struct OutputShuffle
{
    std::array<std::uint8_t, 32> fromFirst{};  // shuffle of the half's first toned vector
    std::array<std::uint8_t, 32> fromSecond{}; // and of the next one
};

// The shuffles (the same in both lanes; 0x80 gives 0) that gather output bytes first to first + 15
// of a lane of half h, from toned vectors h and h + 1.
constexpr OutputShuffle outputShuffle(int half, int first)
{
    OutputShuffle s;
    for (int i = 0; i < 32; ++i) {
        const int o = first + i % 16;
        const int at = tonedByteOf(half, o / 6, o % 6) - 16 * half;
        s.fromFirst[std::size_t(i)] = at < 16 ? std::uint8_t(at) : 0x80;
        s.fromSecond[std::size_t(i)] = at < 16 ? 0x80 : std::uint8_t(at - 16);
    }
    return s;
}

// Output bytes 0-15 and 8-23 of a lane (stored overlapping), for each half.
constexpr std::array<std::array<OutputShuffle, 2>, 2> OutputShuffles{{
    {outputShuffle(0, 0), outputShuffle(0, 8)},
    {outputShuffle(1, 0), outputShuffle(1, 8)},
}};

struct Constants
{
    __m256i blueRedGain;       // words n*k1, n*k0 (n = chroma gain in quarters)
    __m256i greenCoefficients; // bytes k3, 0, k2, 0
    __m256i minusGain;         // words -n
    __m256i swappedLuma;       // byte shuffle of a group into words Y1, Y0
    __m256i lowWordTwice;      // byte shuffle: each dword's low word into both halves
    const ToneSlices *tone;
};

struct ChannelSums
{
    __m256i blueRed;        // per group [Y0+dB, Y1+dR]
    __m256i swappedBlueRed; // [Y1+dB, Y0+dR]
    __m256i green;          // [Y0+dG, Y1+dG]
};

__attribute__((target("avx2"))) __m256i load(const std::uint8_t *bytes)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes));
}

// The six channel sums of 8 groups, as three word vectors.
__attribute__((target("avx2"))) ChannelSums sums(__m256i groups, const Constants &c)
{
    // dB and dR: trunc(n * k * C / 256) as the sign of C times floor(n * k * |C| / 256), taken
    // from the high half of the unsigned product of n * k and |C| << 8 (at most 2^15).
    const __m256i chromaHigh = _mm256_slli_epi16(groups, 8); // words Cb << 8, Cr << 8
    const __m256i magnitude = _mm256_mulhi_epu16(_mm256_abs_epi16(chromaHigh), c.blueRedGain);
    const __m256i blueRed = _mm256_sign_epi16(magnitude, chromaHigh);

    // dG: trunc(-n * (k3 * Cb + k2 * Cr) / 128) in 32 bits; adding 127 to a negative dividend
    // before the arithmetic shift rounds toward zero (|dividend| < 2^19, so its top 7 bits are
    // all ones exactly when it is negative).
    const __m256i products = _mm256_maddubs_epi16(c.greenCoefficients, groups); // k3*Cb, k2*Cr
    const __m256i dividend = _mm256_madd_epi16(products, c.minusGain);
    const __m256i bias = _mm256_srli_epi32(dividend, 25);
    const __m256i green = _mm256_srai_epi32(_mm256_add_epi32(dividend, bias), 7);

    const __m256i luma = _mm256_srli_epi16(groups, 8); // words Y0, Y1
    return {_mm256_add_epi16(luma, blueRed),
            _mm256_add_epi16(_mm256_shuffle_epi8(groups, c.swappedLuma), blueRed),
            _mm256_add_epi16(luma, _mm256_shuffle_epi8(green, c.lowWordTwice))};
}

// T[v] for each byte v (see ToneSlices).
__attribute__((target("avx2"), always_inline)) inline __m256i toned(__m256i value,
                                                                    const ToneSlices &tone)
{
    const __m256i sixteen = _mm256_set1_epi8(16);
    __m256i index = value;
    __m256i halves[2];
    for (int half = 0; half < 2; ++half) {
        halves[half] = _mm256_shuffle_epi8(load(tone[std::size_t(8 * half)].data()), index);
        for (int s = 1; s < 8; ++s) {
            index = _mm256_sub_epi8(index, sixteen);
            halves[half] = _mm256_xor_si256(
                halves[half],
                _mm256_shuffle_epi8(load(tone[std::size_t(8 * half + s)].data()), index));
        }
        index = _mm256_sub_epi8(index, sixteen); // v - 128 is v - 16 * 8 too
    }
    return _mm256_blendv_epi8(halves[0], halves[1], value);
}

// The clamp (unsigned saturation) of two word vectors into bytes, then the tone curve.
__attribute__((target("avx2"), always_inline)) inline __m256i
clampAndTone(__m256i first, __m256i second, const Constants &c)
{
    return toned(_mm256_packus_epi16(first, second), *c.tone);
}

__attribute__((target("avx2"))) void store(std::uint8_t *out, __m256i first, __m256i second,
                                           const __m256i (&shuffles)[2][2])
{
    const __m256i start = _mm256_or_si256(_mm256_shuffle_epi8(first, shuffles[0][0]),
                                          _mm256_shuffle_epi8(second, shuffles[0][1]));
    const __m256i end = _mm256_or_si256(_mm256_shuffle_epi8(first, shuffles[1][0]),
                                        _mm256_shuffle_epi8(second, shuffles[1][1]));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm256_castsi256_si128(start));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 8), _mm256_castsi256_si128(end));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 24), _mm256_extracti128_si256(start, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 32), _mm256_extracti128_si256(end, 1));
}
} // namespace

__attribute__((target("avx2"))) void convertGroupsAvx2(const std::uint8_t *in, std::uint8_t *out,
                                                       std::size_t groups,
                                                       ColorCoefficients coefficients, int toneRow)
{
    const std::size_t steps = groups / GroupsPerStep;
    const int gain = chromaGainQuarters(toneRow);
    Constants c;
    c.blueRedGain = _mm256_set1_epi32((gain * coefficients.k0) << 16 | (gain * coefficients.k1));
    c.greenCoefficients = _mm256_set1_epi32(coefficients.k2 << 16 | coefficients.k3);
    c.minusGain = _mm256_set1_epi16(std::int16_t(-gain));
    // Byte shuffles work per 128-bit lane; an index with its top bit set gives 0.
    c.swappedLuma = _mm256_set_epi32(0x800D800F, 0x8009800B, 0x80058007, 0x80018003, //
                                     0x800D800F, 0x8009800B, 0x80058007, 0x80018003);
    c.lowWordTwice = _mm256_set_epi32(0x0D0C0D0C, 0x09080908, 0x05040504, 0x01000100, //
                                      0x0D0C0D0C, 0x09080908, 0x05040504, 0x01000100);
    c.tone = &ToneSliceTables[std::size_t(toneRow)];
    __m256i shuffles[2][2][2];
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t part = 0; part < 2; ++part) {
            shuffles[half][part][0] = load(OutputShuffles[half][part].fromFirst.data());
            shuffles[half][part][1] = load(OutputShuffles[half][part].fromSecond.data());
        }

    for (std::size_t step = 0; step < steps; ++step) {
        const ChannelSums a = sums(load(in), c);
        const ChannelSums b = sums(load(in + 32), c);
        const __m256i t0 = clampAndTone(a.blueRed, a.swappedBlueRed, c);
        const __m256i t1 = clampAndTone(a.green, b.blueRed, c);
        const __m256i t2 = clampAndTone(b.swappedBlueRed, b.green, c);
        store(out, t0, t1, shuffles[0]);
        store(out + 48, t1, t2, shuffles[1]);
        in += 4 * GroupsPerStep;
        out += 6 * GroupsPerStep;
    }
}

__attribute__((target("avx2"))) void toneBytesAvx2(const std::uint8_t *in, std::uint8_t *out,
                                                   std::size_t vectors, int toneRow)
{
    const ToneSlices &tone = ToneSliceTables[std::size_t(toneRow)];
    for (std::size_t i = 0; i < vectors; ++i, in += 32, out += 32)
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out), toned(load(in), tone));
}
#endif
