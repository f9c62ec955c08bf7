// SPDX-License-Identifier: MIT
// The pixel conversion with AVX2, 16 groups per step: two 32-byte loads in, 96 bytes out. The
// same integer arithmetic as the AVX-512 path, in 16- and 32-bit lanes, and the same clamp (the
// unsigned saturation of packing words into bytes). AVX2 has no byte lookup wider than 16
// entries, so the tone curve gathers two output bytes at once from a table of every pair of
// clamped values (64 Ki entries of two bytes, built on first use); packing puts the clamped
// bytes of a pair side by side, which makes the pair's table index.
//
// Only the functions marked with the target attribute use these instructions; the dispatcher
// calls them after checking that the processor has them.
#include "link/ConversionKernels.h"

#ifdef QUILLON_X86_64_KERNELS
#include <array>
#include <cstddef>
#include <cstdint>
#include <immintrin.h>
#include <vector>

namespace {
constexpr std::size_t GroupsPerStep = 16;
static_assert(VectorStepGroups % GroupsPerStep == 0);

// Entry a + 256 b holds T[a] + 256 T[b]. A gather reads four bytes: at an entry, or one entry
// lower; so there is a spare entry at either end.
const std::uint16_t *tonePairs(int toneRow)
{
    static const std::array<std::vector<std::uint16_t>, 2> tables = [] {
        std::array<std::vector<std::uint16_t>, 2> built;
        for (std::size_t row = 0; row < 2; ++row) {
            built[row].assign(1 + 256 * 256 + 1, 0);
            for (int b = 0; b < 256; ++b)
                for (int a = 0; a < 256; ++a)
                    built[row][std::size_t(1 + a + 256 * b)] = std::uint16_t(
                        ToneTable[row][std::size_t(a)] | ToneTable[row][std::size_t(b)] << 8);
        }
        return built;
    }();
    return tables[std::size_t(toneRow)].data() + 1;
}

// A step works on two halves of 8 groups; within each 128-bit lane on 4 groups q = 0..3, which
// become 24 output bytes. Per group, the looked-up pairs land in two vectors (see convertStep):
// X holds [B0 G0] at byte xAt(q) and [R1 G1] four bytes later; Y holds [B1 R0] of half h at byte
// 4q + 2h. Output byte o of the lane is channel o % 6 (B0 G0 R0 B1 G1 R1) of group o / 6.
constexpr int xAt(int q)
{
    constexpr std::array<int, 4> at{0, 8, 2, 10};
    return at[std::size_t(q)];
}

struct OutputShuffle
{
    std::array<std::uint8_t, 32> fromX{};
    std::array<std::uint8_t, 32> fromY{};
};

// The byte shuffles (the same in both lanes; 0x80 gives 0) that gather output bytes first to
// first + 15 of a lane from X and from Y.
constexpr OutputShuffle outputShuffle(int half, int first)
{
    OutputShuffle s;
    for (int i = 0; i < 32; ++i) {
        const int o = first + i % 16;
        const int q = o / 6;
        std::uint8_t x = 0x80;
        std::uint8_t y = 0x80;
        switch (o % 6) {
        case 0:
        case 1:
            x = std::uint8_t(xAt(q) + o % 6);
            break;
        case 2:
            y = std::uint8_t(4 * q + 2 * half + 1);
            break;
        case 3:
            y = std::uint8_t(4 * q + 2 * half);
            break;
        case 4:
            x = std::uint8_t(xAt(q) + 5);
            break;
        default:
            x = std::uint8_t(xAt(q) + 4);
            break;
        }
        s.fromX[std::size_t(i)] = x;
        s.fromY[std::size_t(i)] = y;
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
    __m256i fromX[2][2];       // by half, then output bytes 0-15 or 8-23 of a lane
    __m256i fromY[2][2];
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

// The toned pairs of two index vectors (words a + 256 b in the low half of each dword), the first
// one's in the low word of each dword, the second one's in the high word: the second gather reads
// from one entry lower, so that the entry lands in the high half of the four bytes it reads.
__attribute__((target("avx2"))) __m256i tonedPairs(const std::uint16_t *pairs, __m256i first,
                                                   __m256i second)
{
    const __m256i low = _mm256_i32gather_epi32(reinterpret_cast<const int *>(pairs), first, 2);
    const __m256i high =
        _mm256_i32gather_epi32(reinterpret_cast<const int *>(pairs - 1), second, 2);
    return _mm256_blend_epi16(low, high, 0xAA);
}

__attribute__((target("avx2"))) void store(std::uint8_t *out, __m256i x, __m256i y,
                                           const Constants &c, int half)
{
    std::uint8_t *at = out + 48 * half;
    const __m256i first = _mm256_or_si256(_mm256_shuffle_epi8(x, c.fromX[half][0]),
                                          _mm256_shuffle_epi8(y, c.fromY[half][0]));
    const __m256i second = _mm256_or_si256(_mm256_shuffle_epi8(x, c.fromX[half][1]),
                                           _mm256_shuffle_epi8(y, c.fromY[half][1]));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(at), _mm256_castsi256_si128(first));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(at + 8), _mm256_castsi256_si128(second));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(at + 24), _mm256_extracti128_si256(first, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(at + 32), _mm256_extracti128_si256(second, 1));
}

// A step's pair indices: per half and lane, words B0 + 256 G0 and R1 + 256 G1 of its groups
// (x), and words B1 + 256 R0 of half a's groups then half b's (y); each zero-extended to dwords.
struct StepIndices
{
    __m256i x[2][2];
    __m256i y[2];
};

__attribute__((target("avx2"), always_inline)) inline StepIndices indicesOf(const std::uint8_t *in,
                                                                            const Constants &c)
{
    const __m256i zero = _mm256_setzero_si256();
    const ChannelSums a = sums(load(in), c);
    const ChannelSums b = sums(load(in + 32), c);
    StepIndices indices;
    for (int half = 0; half < 2; ++half) {
        const ChannelSums &s = half == 0 ? a : b;
        // Per lane: bytes [B0 R1] of its 4 groups, then [G0 G1].
        const __m256i packed = _mm256_packus_epi16(s.blueRed, s.green);
        const __m256i words = _mm256_unpacklo_epi8(packed, _mm256_srli_si256(packed, 8));
        indices.x[half][0] = _mm256_unpacklo_epi16(words, zero);
        indices.x[half][1] = _mm256_unpackhi_epi16(words, zero);
    }
    const __m256i swapped = _mm256_packus_epi16(a.swappedBlueRed, b.swappedBlueRed);
    indices.y[0] = _mm256_unpacklo_epi16(swapped, zero);
    indices.y[1] = _mm256_unpackhi_epi16(swapped, zero);
    return indices;
}

// The toned pairs of a step: per half [B0 G0] and [R1 G1] (x), and [B1 R0] (y); see store.
struct StepPairs
{
    __m256i x[2];
    __m256i y;
};

__attribute__((target("avx2"), always_inline)) inline StepPairs lookUp(const StepIndices &indices,
                                                                       const std::uint16_t *pairs)
{
    return {{tonedPairs(pairs, indices.x[0][0], indices.x[0][1]),
             tonedPairs(pairs, indices.x[1][0], indices.x[1][1])},
            tonedPairs(pairs, indices.y[0], indices.y[1])};
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
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t part = 0; part < 2; ++part) {
            c.fromX[half][part] = load(OutputShuffles[half][part].fromX.data());
            c.fromY[half][part] = load(OutputShuffles[half][part].fromY.data());
        }
    const std::uint16_t *pairs = tonePairs(toneRow);

    // A step's gathers are issued first, and the next step's indices are worked out while they
    // wait (kept apart and inlined, the two take about a tenth less time than in one piece).
    StepIndices indices = indicesOf(in, c);
    for (std::size_t step = 0; step < steps; ++step) {
        const StepPairs toned = lookUp(indices, pairs);
        if (step + 1 < steps)
            indices = indicesOf(in + 4 * GroupsPerStep * (step + 1), c);
        for (int half = 0; half < 2; ++half)
            store(out + 6 * GroupsPerStep * step, toned.x[half], toned.y, c, half);
    }
}
#endif
