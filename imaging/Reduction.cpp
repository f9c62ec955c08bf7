// SPDX-License-Identifier: MIT
#include "imaging/Reduction.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {
constexpr int VerticalUnit = 128;   // 255 x 128 < 2^15
constexpr int HorizontalUnit = 512; // with VerticalUnit, one is 2^16
constexpr int Shift = 16;

// For each output position, the first source position it covers and `count` weights from there
// (trailing ones zero; count is even), summing to unit, stored in pairs as the low and high
// halves of a 32-bit word. Output pixel x spans [x * from, (x + 1) * from) and source pixel s
// spans [s * to, (s + 1) * to) in units of 1 / to; weights are the rounded cumulative coverage,
// so they add up exactly.
struct Taps
{
    std::vector<int> first;
    std::vector<std::uint32_t> weightPairs;
    int count = 0;

    int weight(int at, int tap) const
    {
        const std::uint32_t pair = weightPairs[std::size_t(at * count / 2 + tap / 2)];
        return int(std::uint16_t(tap % 2 == 0 ? pair : pair >> 16));
    }
};

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

// One output pixel from `count` columns of the vertical sums, starting at from.
template<int Channels>
[[gnu::always_inline]] inline std::uint32_t
reducedPixel(const std::uint16_t *from, const std::uint32_t *weightPairs, int count)
{
    std::uint32_t pixel = 0;
#ifdef __SSE2__
    // Two columns per step: their sums interleaved by channel, times the weight pair, added
    // pairwise into 32 bits. Sums are below 2^15 and weights at most 512, so signed 16-bit
    // multiplies are exact.
    __m128i sum = _mm_set1_epi32(1 << (Shift - 1));
    for (int t = 0; t < count / 2; ++t) {
        const auto *column = from + 2 * t * Channels;
        const __m128i left = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(column));
        const __m128i right = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(column + Channels));
        const __m128i weights = _mm_set1_epi32(int(weightPairs[t]));
        sum = _mm_add_epi32(sum, _mm_madd_epi16(_mm_unpacklo_epi16(left, right), weights));
    }
    const __m128i values = _mm_srli_epi32(sum, Shift);
    pixel = std::uint32_t(
        _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(values, values), _mm_setzero_si128())));
#else
    for (int c = 0; c < 4; ++c) {
        std::uint32_t sum = 1 << (Shift - 1);
        for (int t = 0; t < count; ++t) {
            const std::uint32_t pair = weightPairs[t / 2];
            sum += std::uint16_t(t % 2 == 0 ? pair : pair >> 16) * from[t * Channels + c];
        }
        pixel |= (sum >> Shift) << (8 * c);
    }
#endif
    return Channels == 3 ? pixel | 0xFF000000u : pixel;
}

// Count is columns.count when it is known at compile time, else 0.
template<int Channels, int Count>
[[gnu::always_inline]] inline void reduceColumns(const std::uint16_t *acc, const Taps &columns,
                                                 std::uint32_t *__restrict out)
{
    const int width = int(columns.first.size());
    const int pairs = columns.count / 2;
    for (int x = 0; x < width; ++x)
        out[x] = reducedPixel<Channels, Count>(
            acc + std::ptrdiff_t(columns.first[std::size_t(x)]) * Channels,
            columns.weightPairs.data() + std::ptrdiff_t(x) * pairs, columns.count);
}

// One output row: the weighted sum of its source rows into acc (vectorised by the compiler for
// whatever the caller targets), then each output pixel from its columns of acc. acc has room for
// `count` pixels past the row, zero, so no tap reads outside it.
template<int Channels>
[[gnu::always_inline]] inline void reduceRow(const QImage &source, const Taps &rows, int y,
                                             const Taps &columns, std::uint16_t *__restrict acc,
                                             std::uint32_t *__restrict out)
{
    const int rowBytes = source.width() * Channels;
    const int firstRow = rows.first[std::size_t(y)];
    for (int i = 0; i < rowBytes; ++i)
        acc[i] = 0;
    for (int t = 0; t < rows.count && firstRow + t < source.height(); ++t) {
        const auto weight = std::uint16_t(rows.weight(y, t));
        if (weight == 0)
            continue;
        const std::uint8_t *__restrict in = source.constScanLine(firstRow + t);
        for (int i = 0; i < rowBytes; ++i)
            acc[i] = std::uint16_t(acc[i] + weight * in[i]);
    }
    const int width = int(columns.first.size());
    const int pairs = columns.count / 2;
    for (int x = 0; x < width; ++x)
        out[x] = reducedPixel<Channels>(
            acc + std::ptrdiff_t(columns.first[std::size_t(x)]) * Channels,
            columns.weightPairs.data() + std::ptrdiff_t(x) * pairs, columns.count);
}

template<int Channels>
[[gnu::always_inline]] inline void reduceAll(const QImage &source, QImage &target)
{
    const Taps rows = tapsFor(source.height(), target.height(), VerticalUnit);
    const Taps columns = tapsFor(source.width(), target.width(), HorizontalUnit);
    // One pixel more than the taps can reach: the last four-channel read of a three-channel row.
    std::vector<std::uint16_t> acc(std::size_t(source.width() + columns.count + 1) * Channels, 0);
    for (int y = 0; y < target.height(); ++y)
        reduceRow<Channels>(source, rows, y, columns, acc.data(),
                            reinterpret_cast<std::uint32_t *>(target.scanLine(y)));
}

void reducePortable(const QImage &source, QImage &target, int channels)
{
    channels == 3 ? reduceAll<3>(source, target) : reduceAll<4>(source, target);
}

#ifdef QUILLON_X86_64_KERNELS
__attribute__((target("avx2"))) void reduceAvx2(const QImage &source, QImage &target, int channels)
{
    channels == 3 ? reduceAll<3>(source, target) : reduceAll<4>(source, target);
}

__attribute__((target("avx512f,avx512bw"))) void reduceAvx512(const QImage &source, QImage &target,
                                                              int channels)
{
    channels == 3 ? reduceAll<3>(source, target) : reduceAll<4>(source, target);
}
#endif

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
    switch (supportedPathUpTo(path)) {
#ifdef QUILLON_X86_64_KERNELS
    case CpuPath::Avx512:
        reduceAvx512(source, target, channels);
        break;
    case CpuPath::Avx2:
        reduceAvx2(source, target, channels);
        break;
#endif
    default:
        reducePortable(source, target, channels);
        break;
    }
    return target;
}
} // namespace Reduction
