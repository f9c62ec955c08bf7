// SPDX-License-Identifier: MIT
// The pixel conversion with AVX2, 8 groups per step in 32-bit lanes: one 32-byte load in, 48
// bytes out. The same integer arithmetic as the portable path. AVX2 has no byte lookup wider
// than 16 entries, so the clamp-and-tone step gathers two output bytes at once from a table of
// every pair of clamped values (64 Ki entries of two bytes, built on first use).
//
// Only the function marked with the target attribute uses these instructions; the dispatcher
// calls it after checking that the processor has them.
#include "link/ConversionKernels.h"

#ifdef QUILLON_X86_64_KERNELS
#include <array>
#include <cstddef>
#include <cstdint>
#include <immintrin.h>
#include <vector>

namespace {
constexpr std::size_t GroupsPerStep = 8;
constexpr std::size_t OutputPerStep = 6 * GroupsPerStep;

// Entry a + 256 b holds T[a] + 256 T[b]; one spare entry, since a gather reads four bytes.
const std::uint16_t *tonePairs(int toneRow)
{
    static const std::array<std::vector<std::uint16_t>, 2> tables = [] {
        std::array<std::vector<std::uint16_t>, 2> built;
        for (std::size_t row = 0; row < 2; ++row) {
            built[row].assign(256 * 256 + 1, 0);
            for (int b = 0; b < 256; ++b)
                for (int a = 0; a < 256; ++a)
                    built[row][std::size_t(a + 256 * b)] = std::uint16_t(
                        ToneTable[row][std::size_t(a)] | ToneTable[row][std::size_t(b)] << 8);
        }
        return built;
    }();
    return tables[std::size_t(toneRow)].data();
}

struct Constants
{
    __m256i blue;     // words n*2*k1, 0 against Cb, Cr
    __m256i green;    // words -n*2*k3, -n*2*k2
    __m256i red;      // words 0, n*2*k0
    __m256i compress; // byte shuffle of [pixels 0-3, pair 4-5, x, x] twice into 12 bytes
};

// Every lane the words low, high.
__attribute__((target("avx2"))) __m256i word(int low, int high)
{
    return _mm256_set1_epi32(int(std::uint16_t(low) | std::uint32_t(std::uint16_t(high)) << 16));
}

// trunc(dividend / 2^shift) for |dividend| < 2^(32 - shift): a negative one gets 2^shift - 1
// added first, taken from its top bits.
template<int Shift>
__attribute__((target("avx2"))) __m256i dividedTowardZero(__m256i dividend)
{
    const __m256i bias = _mm256_srli_epi32(dividend, 32 - Shift);
    return _mm256_srai_epi32(_mm256_add_epi32(dividend, bias), Shift);
}

__attribute__((target("avx2"))) __m256i clamped(__m256i value)
{
    return _mm256_min_epi32(_mm256_max_epi32(value, _mm256_setzero_si256()),
                            _mm256_set1_epi32(255));
}

// The toned bytes of the channel pair (first, second), in the low half of each lane.
__attribute__((target("avx2"))) __m256i tonedPair(const std::uint16_t *pairs, __m256i first,
                                                  __m256i second)
{
    const __m256i index = _mm256_or_si256(clamped(first), _mm256_slli_epi32(clamped(second), 8));
    return _mm256_i32gather_epi32(reinterpret_cast<const int *>(pairs), index, 2);
}

__attribute__((target("avx2"))) void convertStep(const std::uint8_t *in, std::uint8_t *out,
                                                 const std::uint16_t *pairs, const Constants &c)
{
    const __m256i groups = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(in));
    const __m256i chroma = _mm256_srai_epi16(_mm256_slli_epi16(groups, 8), 8); // words Cb, Cr
    const __m256i y0 = _mm256_and_si256(_mm256_srli_epi32(groups, 8), _mm256_set1_epi32(255));
    const __m256i y1 = _mm256_srli_epi32(groups, 24);
    const __m256i dB = dividedTowardZero<9>(_mm256_madd_epi16(chroma, c.blue));
    const __m256i dG = dividedTowardZero<8>(_mm256_madd_epi16(chroma, c.green));
    const __m256i dR = dividedTowardZero<9>(_mm256_madd_epi16(chroma, c.red));
    // Per group: B0 G0 | R0 B1 | G1 R1.
    const __m256i first = tonedPair(pairs, _mm256_add_epi32(y0, dB), _mm256_add_epi32(y0, dG));
    const __m256i second = tonedPair(pairs, _mm256_add_epi32(y0, dR), _mm256_add_epi32(y1, dB));
    const __m256i third = tonedPair(pairs, _mm256_add_epi32(y1, dG), _mm256_add_epi32(y1, dR));
    const __m256i fourBytes = _mm256_blend_epi16(first, _mm256_slli_epi32(second, 16), 0xAA);
    // Per 128-bit lane: groups 0 and 1, then 2 and 3, each as 12 bytes and 4 spare.
    const __m256i low = _mm256_shuffle_epi8(_mm256_unpacklo_epi32(fourBytes, third), c.compress);
    const __m256i high = _mm256_shuffle_epi8(_mm256_unpackhi_epi32(fourBytes, third), c.compress);
    // Each store's 4 spare bytes are overwritten by the next; the caller leaves room after the
    // last.
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm256_castsi256_si128(low));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 12), _mm256_castsi256_si128(high));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 24), _mm256_extracti128_si256(low, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 36), _mm256_extracti128_si256(high, 1));
}
} // namespace

__attribute__((target("avx2"))) void convertPixelsAvx2(CroppedFrameView frame,
                                                       BitmapPixelView pixels,
                                                       ColorCoefficients coefficients, int toneRow)
{
    const int n = chromaGainQuarters(toneRow);
    Constants c;
    c.blue = word(n * 2 * coefficients.k1, 0);
    c.green = word(-n * 2 * coefficients.k3, -n * 2 * coefficients.k2);
    c.red = word(0, n * 2 * coefficients.k0);
    c.compress = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, -1, -1, -1, -1, //
                                  0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, -1, -1, -1, -1);
    const std::uint16_t *pairs = tonePairs(toneRow);

    const std::size_t groups = frame.size() / 4;
    const std::size_t steps = groups / GroupsPerStep - 1; // the last step would store past the end
    for (std::size_t step = 0; step < steps; ++step)
        convertStep(frame.data() + 4 * GroupsPerStep * step, pixels.data() + OutputPerStep * step,
                    pairs, c);
    const std::size_t done = steps * GroupsPerStep;
    convertGroupsPortable(frame.data() + 4 * done, pixels.data() + 6 * done, groups - done,
                          coefficients, toneRow);
}
#endif
