// SPDX-License-Identifier: MIT
#include "imaging/Reduction.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr int VerticalUnit = 128;   // 255 x 128 < 2^15
constexpr int HorizontalUnit = 512; // with VerticalUnit, one is 2^16
constexpr int Shift = 16;

// For each output position, the first source position it covers and `count` weights from there
// (trailing ones zero), summing to unit. Output pixel x spans [x * from, (x + 1) * from) and
// source pixel s spans [s * to, (s + 1) * to) in units of 1 / to; weights are the rounded
// cumulative coverage, so they add up exactly.
struct Taps
{
    std::vector<int> first;
    std::vector<std::int32_t> weights;
    int count = 0;
};

Taps tapsFor(int from, int to, int unit)
{
    Taps taps;
    taps.count = (from + to - 1) / to + 1;
    taps.first.resize(std::size_t(to));
    taps.weights.assign(std::size_t(to) * std::size_t(taps.count), 0);
    const auto share = [&](std::int64_t covered) {
        return std::int32_t((2 * covered * unit + from) / (2 * std::int64_t(from)));
    };
    for (int x = 0; x < to; ++x) {
        const std::int64_t begin = std::int64_t(x) * from;
        const std::int64_t end = begin + from;
        const int first = int(begin / to);
        taps.first[std::size_t(x)] = first;
        for (int s = first; std::int64_t(s) * to < end; ++s) {
            const std::int64_t low = std::max<std::int64_t>(std::int64_t(s) * to, begin) - begin;
            const std::int64_t high = std::min<std::int64_t>(std::int64_t(s + 1) * to, end) - begin;
            taps.weights[std::size_t(x) * std::size_t(taps.count) + std::size_t(s - first)] =
                share(high) - share(low);
        }
    }
    return taps;
}

using Sum4 = std::int32_t __attribute__((vector_size(16)));
using Word4 = std::uint16_t __attribute__((vector_size(8)));
using Byte4 = std::uint8_t __attribute__((vector_size(4)));

// One output row: the weighted sum of its source rows into acc (vectorised by the compiler for
// whatever the caller targets), then each output pixel from its columns of acc, four channels at
// a time. acc has room for `count` pixels past the row, zero, so no tap reads outside it.
template<int Channels>
[[gnu::always_inline]] inline void reduceRow(const QImage &source, const Taps &rows, int y,
                                             const Taps &columns, std::uint16_t *__restrict acc,
                                             std::uint8_t *__restrict out)
{
    const int rowBytes = source.width() * Channels;
    const std::int32_t *rowWeights = rows.weights.data() + std::size_t(y) * std::size_t(rows.count);
    const int firstRow = rows.first[std::size_t(y)];
    for (int i = 0; i < rowBytes; ++i)
        acc[i] = 0;
    for (int t = 0; t < rows.count && firstRow + t < source.height(); ++t) {
        const auto weight = std::uint16_t(rowWeights[t]);
        if (weight == 0)
            continue;
        const std::uint8_t *__restrict in = source.constScanLine(firstRow + t);
        for (int i = 0; i < rowBytes; ++i)
            acc[i] = std::uint16_t(acc[i] + weight * in[i]);
    }
    const int width = int(columns.first.size());
    for (int x = 0; x < width; ++x) {
        const std::uint16_t *from = acc + std::ptrdiff_t(columns.first[std::size_t(x)]) * Channels;
        const std::int32_t *weights =
            columns.weights.data() + std::size_t(x) * std::size_t(columns.count);
        Sum4 sum = {1 << (Shift - 1), 1 << (Shift - 1), 1 << (Shift - 1), 1 << (Shift - 1)};
        for (int t = 0; t < columns.count; ++t) {
            Word4 words;
            std::memcpy(&words, from + t * Channels, sizeof words);
            sum += __builtin_convertvector(words, Sum4) * weights[t];
        }
        Byte4 pixel = __builtin_convertvector(sum >> Shift, Byte4);
        if (Channels == 3)
            pixel[3] = 0xFF;
        std::memcpy(out + 4 * x, &pixel, sizeof pixel);
    }
}

template<int Channels>
[[gnu::always_inline]] inline void reduceAll(const QImage &source, QImage &target)
{
    const Taps rows = tapsFor(source.height(), target.height(), VerticalUnit);
    const Taps columns = tapsFor(source.width(), target.width(), HorizontalUnit);
    // One pixel more than the taps can reach: the last four-channel read of a three-channel row.
    std::vector<std::uint16_t> acc(std::size_t(source.width() + columns.count + 1) * Channels, 0);
    for (int y = 0; y < target.height(); ++y)
        reduceRow<Channels>(source, rows, y, columns, acc.data(), target.scanLine(y));
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
