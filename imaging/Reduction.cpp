// SPDX-License-Identifier: MIT
#include "imaging/Reduction.h"

#include "imaging/ReductionPlan.h"
#include "kernels/RowBands.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#ifdef QUILLON_X86_64_KERNELS
#include <immintrin.h>
#endif

namespace {
using namespace ReductionKernels;

constexpr int VerticalUnit = 128;   // 255 x 128 < 2^15
constexpr int HorizontalUnit = 512; // with VerticalUnit, one is 2^16

Taps tapsFor(int from, int to, int unit)
{
    Taps taps;
    taps.count = ((from + to - 1) / to + 2) / 2 * 2;
    taps.first.resize(std::size_t(to));
    taps.weightPairs.assign(std::size_t(to) * std::size_t(taps.count / 2), 0);
    const auto share = [&](std::int64_t covered) {
        return std::uint32_t((2 * covered * unit + from) / (2 * std::int64_t(from)));
    };
    for (int x = 0; x < to; ++x) {
        const std::int64_t begin = std::int64_t(x) * from;
        const std::int64_t end = begin + from;
        const int first = int(begin / to);
        taps.first[std::size_t(x)] = first;
        for (int s = first; std::int64_t(s) * to < end; ++s) {
            const std::int64_t low = std::max<std::int64_t>(std::int64_t(s) * to, begin) - begin;
            const std::int64_t high = std::min<std::int64_t>(std::int64_t(s + 1) * to, end) - begin;
            const int tap = s - first;
            taps.weightPairs[std::size_t(x * taps.count / 2 + tap / 2)] |=
                (share(high) - share(low)) << (16 * (tap % 2));
        }
    }
    return taps;
}

std::vector<std::uint32_t> laneWeightsFor(const Taps &columns)
{
    const int width = int(columns.first.size());
    const int pairs = columns.count / 2;
    std::vector<std::uint32_t> lanes(std::size_t((width + 1) / 2 * pairs * 8), 0);
    for (int x = 0; x < width; ++x)
        for (int t = 0; t < pairs; ++t)
            std::fill_n(lanes.begin() + ((x / 2 * pairs + t) * 8 + x % 2 * 4), 4,
                        columns.weightPairs[std::size_t(x * pairs + t)]);
    return lanes;
}

#ifdef QUILLON_X86_64_KERNELS
// One output pixel from `count` columns of the vertical sums, starting at from.
template<int Channels>
[[gnu::always_inline]] inline std::uint32_t
reducedPixel(const std::uint16_t *from, const std::uint32_t *weightPairs, int count)
{
    std::uint32_t pixel = Channels == 3 ? 0xFF000000u : 0;
    for (int c = 0; c < Channels; ++c) {
        std::uint32_t sum = 1 << (Shift - 1);
        for (int t = 0; t < count; ++t) {
            const std::uint32_t pair = weightPairs[t / 2];
            sum += std::uint16_t(t % 2 == 0 ? pair : pair >> 16) * from[t * Channels + c];
        }
        pixel |= (sum >> Shift) << (8 * c);
    }
    return pixel;
}

// Output pixels from..width of one row.
template<int Channels>
[[gnu::always_inline]] inline void reducePixels(const Plan &plan, const std::uint16_t *sums,
                                                int from, std::uint32_t *__restrict out)
{
    const Taps &columns = plan.columns;
    const int width = int(columns.first.size());
    const int pairs = columns.count / 2;
    for (int x = from; x < width; ++x)
        out[x] = reducedPixel<Channels>(
            sums + std::ptrdiff_t(columns.first[std::size_t(x)]) * Channels,
            columns.weightPairs.data() + std::ptrdiff_t(x) * pairs, columns.count);
}

// The same sums as reducedPixel for output pixels x and x + 1, one per 128-bit lane: one load
// brings a pair of columns, a byte shuffle interleaves them by channel. Pairs is the number of
// tap pairs when it is known at compile time, else 0.
template<int Channels, int Pairs>
__attribute__((target("avx2"))) inline __m256i twoPixelsAvx2(const Plan &plan,
                                                             const std::uint16_t *sums, int x)
{
    const __m256i interleave =
        Channels == 3 ? _mm256_setr_epi8(0, 1, 6, 7, 2, 3, 8, 9, 4, 5, 10, 11, -1, -1, -1, -1, 0, 1,
                                         6, 7, 2, 3, 8, 9, 4, 5, 10, 11, -1, -1, -1, -1)
                      : _mm256_setr_epi8(0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15, 0, 1,
                                         8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15);
    const Taps &columns = plan.columns;
    const int pairs = Pairs > 0 ? Pairs : columns.count / 2;
    const std::uint16_t *low = sums + std::ptrdiff_t(columns.first[std::size_t(x)]) * Channels;
    const std::uint16_t *high = sums + std::ptrdiff_t(columns.first[std::size_t(x + 1)]) * Channels;
    const auto *weights = reinterpret_cast<const __m256i *>(plan.laneWeights.data() +
                                                            std::ptrdiff_t(x / 2 * pairs) * 8);
    __m256i sum = _mm256_set1_epi32(1 << (Shift - 1));
    for (int t = 0; t < pairs; ++t) {
        const __m256i columnPairs = _mm256_inserti128_si256(
            _mm256_castsi128_si256(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(low + 2 * t * Channels))),
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(high + 2 * t * Channels)), 1);
        sum = _mm256_add_epi32(sum, _mm256_madd_epi16(_mm256_shuffle_epi8(columnPairs, interleave),
                                                      _mm256_loadu_si256(weights + t)));
    }
    return _mm256_srli_epi32(sum, Shift);
}

// Four output pixels per step, then the rest one by one.
template<int Channels, int Pairs>
__attribute__((target("avx2"))) inline void
reducePixelsAvx2(const Plan &plan, const std::uint16_t *sums, std::uint32_t *__restrict out)
{
    const int width = int(plan.columns.first.size());
    const __m256i inOrder = _mm256_setr_epi32(0, 4, 1, 5, 0, 4, 1, 5);
    const __m128i opaque = _mm_set1_epi32(Channels == 3 ? int(0xFF000000u) : 0);
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        // Lanes hold pixels 0 and 2 | 1 and 3 after packing; the permutation puts them in order.
        const __m256i words = _mm256_packs_epi32(twoPixelsAvx2<Channels, Pairs>(plan, sums, x),
                                                 twoPixelsAvx2<Channels, Pairs>(plan, sums, x + 2));
        const __m256i bytes =
            _mm256_permutevar8x32_epi32(_mm256_packus_epi16(words, words), inOrder);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x),
                         _mm_or_si128(_mm256_castsi256_si128(bytes), opaque));
    }
    reducePixels<Channels>(plan, sums, x, out);
}

// Output rows begin..end, one at a time.
template<int Channels>
[[gnu::always_inline]] inline void reduceRows(const Plan &plan, int begin, int end)
{
    std::vector<std::uint16_t> sums(plan.sumsLength(Channels), 0);
    for (int y = begin; y < end; ++y) {
        sumRows<Channels>(plan, y, sums.data());
        // Two pairs of taps serve every reduction down to half size.
        plan.columns.count == 4
            ? reducePixelsAvx2<Channels, 2>(plan, sums.data(), targetRow(plan, y))
            : reducePixelsAvx2<Channels, 0>(plan, sums.data(), targetRow(plan, y));
    }
}

__attribute__((target("avx2"))) void reduceAvx2_3(const Plan &plan, int begin, int end)
{
    reduceRows<3>(plan, begin, end);
}

__attribute__((target("avx2"))) void reduceAvx2_4(const Plan &plan, int begin, int end)
{
    reduceRows<4>(plan, begin, end);
}

__attribute__((target("avx512f,avx512bw"))) void reduceAvx512_3(const Plan &plan, int begin,
                                                                int end)
{
    reduceRows<3>(plan, begin, end);
}

__attribute__((target("avx512f,avx512bw"))) void reduceAvx512_4(const Plan &plan, int begin,
                                                                int end)
{
    reduceRows<4>(plan, begin, end);
}
#endif

using RowKernel = void (*)(const Plan &, int begin, int end);

RowKernel kernelFor(CpuPath path, int channels)
{
    switch (supportedPathUpTo(path)) {
#ifdef QUILLON_X86_64_KERNELS
    case CpuPath::Avx512:
        return channels == 3 ? reduceAvx512_3 : reduceAvx512_4;
    case CpuPath::Avx2:
        return channels == 3 ? reduceAvx2_3 : reduceAvx2_4;
#endif
    default:
        return channels == 3 ? reducePortable3 : reducePortable4;
    }
}

// The source in a format whose bytes are averaged as they are: blue, green, red (and alpha,
// premultiplied) in memory order.
QImage averageable(const QImage &image)
{
    switch (image.format()) {
    case QImage::Format_BGR888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
    }
}
} // namespace

namespace Reduction {
QImage reduced(const QImage &image, QSize size, CpuPath path)
{
    if (image.isNull() || size.isEmpty() || size.width() > image.width() ||
        size.height() > image.height())
        return {};
    const QImage source = averageable(image);
    QImage target(size, source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                 : QImage::Format_RGB32);
    if (source.isNull() || target.isNull())
        return {};
    const int channels = source.format() == QImage::Format_BGR888 ? 3 : 4;
    Plan plan{source,
              target.bits(),
              target.bytesPerLine(),
              tapsFor(source.height(), size.height(), VerticalUnit),
              tapsFor(source.width(), size.width(), HorizontalUnit),
              {},
              {}};
    if (supportedPathUpTo(path) != CpuPath::Portable)
        plan.laneWeights = laneWeightsFor(plan.columns);
    else
        plan.portable = portableColumnsFor(plan.columns, source.width(), size.width());
    const RowKernel kernel = kernelFor(path, channels);
    RowBands::forEach(size.height(), qsizetype(size.width()) * size.height(),
                      [&](int begin, int end) { kernel(plan, begin, end); });
    return target;
}
} // namespace Reduction
