// SPDX-License-Identifier: MIT
#include "imaging/Reduction.h"

#include "imaging/RowBands.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#ifdef QUILLON_X86_64_KERNELS
#include <immintrin.h>
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

// What every band of output rows shares. The vertical sums of one output row are kept in a row
// of 16-bit values with room for `count` pixels past the source row, zero, so no tap reads
// outside it.
struct Plan
{
    const QImage &source;
    // The target's rows, taken once: QImage::scanLine would count a detach on every thread.
    std::uint8_t *targetBits;
    qsizetype targetStride;
    Taps rows;
    Taps columns;
    // For the vector paths: per pair of output pixels and pair of taps, the two pixels' weight
    // pairs, each repeated over a 128-bit lane.
    std::vector<std::uint32_t> laneWeights;
    struct Portable
    {
        // Output columns, those whose last tap weighs nothing first.
        std::vector<int> order;
        int shortColumns = 0;
        // Each tap's weight on its own in that order, so that the compiler sees 16-bit factors.
        std::vector<std::uint16_t> weights;
        int taps = 0;
    } portable;

    std::size_t sumsLength(int channels) const
    {
        return std::size_t(source.width() + columns.count + 1) * std::size_t(channels);
    }
};

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

// For the portable path, the weights of the taps that can be non-zero (an output pixel covers
// parts of at most ceil(from / to) + 1 source pixels; the pairs are padded past that), ordered
// so that the columns that need one tap fewer are reduced together without a branch.
Plan::Portable portableColumnsFor(const Taps &columns, int from, int to)
{
    Plan::Portable portable;
    portable.taps = (from + to - 1) / to + 1;
    const int last = portable.taps - 1;
    for (int x = 0; x < to; ++x)
        portable.order.push_back(x);
    const auto longFrom =
        std::stable_partition(portable.order.begin(), portable.order.end(),
                              [&](int x) { return columns.weight(x, last) == 0; });
    portable.shortColumns = int(longFrom - portable.order.begin());
    portable.weights.reserve(std::size_t(to) * std::size_t(portable.taps));
    for (int x : portable.order)
        for (int t = 0; t < portable.taps; ++t)
            portable.weights.push_back(std::uint16_t(columns.weight(x, t)));
    return portable;
}

// sums (plus, when Add, what they held) = the K rows times their weights, in one pass.
template<int K, bool Add>
[[gnu::always_inline]] inline void weighRows(std::uint16_t *__restrict sums,
                                             const std::uint8_t *const *rows,
                                             const std::uint16_t *weights, int length)
{
    const std::uint8_t *__restrict in0 = rows[0];
    const std::uint8_t *__restrict in1 = rows[K > 1 ? 1 : 0];
    const std::uint8_t *__restrict in2 = rows[K > 2 ? 2 : 0];
    const std::uint16_t w0 = weights[0];
    const std::uint16_t w1 = K > 1 ? weights[1] : 0;
    const std::uint16_t w2 = K > 2 ? weights[2] : 0;
    for (int i = 0; i < length; ++i) {
        auto sum = std::uint16_t((Add ? sums[i] : 0) + w0 * in0[i]);
        if constexpr (K > 1)
            sum = std::uint16_t(sum + w1 * in1[i]);
        if constexpr (K > 2)
            sum = std::uint16_t(sum + w2 * in2[i]);
        sums[i] = sum;
    }
}

// weighRows for `held` rows (0 to 3).
[[gnu::always_inline]] inline void weighHeld(int held, bool add, std::uint16_t *sums,
                                             const std::uint8_t *const *rows,
                                             const std::uint16_t *weights, int length)
{
    switch (held * 2 + int(add)) {
    case 2:
        return weighRows<1, false>(sums, rows, weights, length);
    case 3:
        return weighRows<1, true>(sums, rows, weights, length);
    case 4:
        return weighRows<2, false>(sums, rows, weights, length);
    case 5:
        return weighRows<2, true>(sums, rows, weights, length);
    case 6:
        return weighRows<3, false>(sums, rows, weights, length);
    case 7:
        return weighRows<3, true>(sums, rows, weights, length);
    default:
        return;
    }
}

// The weighted sum of output row y's source rows (vectorised by the compiler for whatever the
// caller targets), three rows a pass: a reduction to more than a third of the height reads no
// more than three.
template<int Channels>
[[gnu::always_inline]] inline void sumRows(const Plan &plan, int y, std::uint16_t *__restrict sums)
{
    const int rowBytes = plan.source.width() * Channels;
    const int firstRow = plan.rows.first[std::size_t(y)];
    constexpr int Pass = 3;
    const std::uint8_t *rows[Pass];
    std::uint16_t weights[Pass];
    int held = 0;
    bool written = false;
    for (int t = 0; t < plan.rows.count && firstRow + t < plan.source.height(); ++t) {
        const auto weight = std::uint16_t(plan.rows.weight(y, t));
        if (weight == 0)
            continue;
        rows[held] = plan.source.constScanLine(firstRow + t);
        weights[held++] = weight;
        if (held == Pass) {
            weighHeld(held, written, sums, rows, weights, rowBytes);
            written = true;
            held = 0;
        }
    }
    weighHeld(held, written, sums, rows, weights, rowBytes);
}

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

std::uint32_t *targetRow(const Plan &plan, int y)
{
    return reinterpret_cast<std::uint32_t *>(plan.targetBits + y * plan.targetStride);
}

// The portable path takes Block output rows at a time and interleaves their vertical sums, so
// that each channel of a source column holds the Block rows side by side: every tap then weighs
// one contiguous run, which the compiler vectorises for any target without gathering.
constexpr int Block = 8;

// The pixels of output columns order[begin..end) from the interleaved sums, `taps` taps each.
// Taps is the number of taps when it is known at compile time (then the tap loop unrolls and
// the weights are splat once per column), else 0.
template<int Channels, int Taps>
[[gnu::always_inline]] inline void reduceColumns(const Plan &plan, int begin, int end, int taps,
                                                 const std::uint16_t *__restrict interleaved,
                                                 std::uint32_t *__restrict pixels)
{
    constexpr int Run = Channels * Block;
    const Plan::Portable &portable = plan.portable;
    const int count = Taps > 0 ? Taps : taps;
    for (int i = begin; i < end; ++i) {
        const int x = portable.order[std::size_t(i)];
        const std::uint16_t *from = interleaved + plan.columns.first[std::size_t(x)] * Run;
        const std::uint16_t *weight = portable.weights.data() + i * portable.taps;
        // One lane per row, the channels and taps unrolled: the sums stay in registers.
        for (int b = 0; b < Block; ++b) {
            std::uint32_t pixel = Channels == 3 ? 0xFF000000u : 0;
#pragma GCC unroll 4
            for (int c = 0; c < Channels; ++c) {
                std::uint32_t value = std::uint32_t(1) << (Shift - 1);
#pragma GCC unroll 4
                for (int t = 0; t < count; ++t)
                    value +=
                        std::uint32_t(weight[t]) * std::uint32_t(from[t * Run + c * Block + b]);
                pixel |= (value >> Shift) << (8 * c);
            }
            pixels[x * Block + b] = pixel;
        }
    }
}

// Target rows y..y + rows from pixels that hold the rows side by side. Rows is the number of
// rows when it is known at compile time (then the stores vectorise), else 0.
template<int Rows>
[[gnu::always_inline]] inline void spreadRows(const Plan &plan, int y, int rows,
                                              const std::uint32_t *__restrict pixels)
{
    const int count = Rows > 0 ? Rows : rows;
    const int width = int(plan.columns.first.size());
    // Each row is stored apart from the others and from pixels.
#pragma GCC ivdep
    for (int x = 0; x < width; ++x) {
#pragma GCC unroll 8
        for (int b = 0; b < count; ++b)
            targetRow(plan, y + b)[x] = pixels[x * Block + b];
    }
}

template<int Channels>
void reduceBlock(const Plan &plan, int y, int rows, std::uint16_t *__restrict sums,
                 std::uint16_t *__restrict interleaved, std::uint32_t *__restrict pixels)
{
    const std::size_t length = plan.sumsLength(Channels);
    const std::uint16_t *row[Block];
    for (int b = 0; b < Block; ++b) {
        // Rows past the last are the last again, and never stored.
        row[b] = sums + std::size_t(std::min(b, rows - 1)) * length;
        if (b < rows)
            sumRows<Channels>(plan, y + b, sums + std::size_t(b) * length);
    }
    const int rowBytes = plan.source.width() * Channels;
    for (int j = 0; j < rowBytes; ++j) {
        // Unrolled early, so that the eight stores are seen as one group.
#pragma GCC unroll 8
        for (int b = 0; b < Block; ++b)
            interleaved[j * Block + b] = row[b][j];
    }
    const Plan::Portable &portable = plan.portable;
    const int width = int(plan.columns.first.size());
    if (portable.taps == 3) { // every reduction down to half size
        reduceColumns<Channels, 2>(plan, 0, portable.shortColumns, 2, interleaved, pixels);
        reduceColumns<Channels, 3>(plan, portable.shortColumns, width, 3, interleaved, pixels);
    } else {
        reduceColumns<Channels, 0>(plan, 0, portable.shortColumns, portable.taps - 1, interleaved,
                                   pixels);
        reduceColumns<Channels, 0>(plan, portable.shortColumns, width, portable.taps, interleaved,
                                   pixels);
    }
    rows == Block ? spreadRows<Block>(plan, y, rows, pixels) : spreadRows<0>(plan, y, rows, pixels);
}

template<int Channels>
void reducePortable(const Plan &plan, int begin, int end)
{
    // Block rows of sums, then as many interleaved, zero past the source row.
    const std::size_t length = plan.sumsLength(Channels) * Block;
    const auto buffer = std::make_unique_for_overwrite<std::uint16_t[]>(2 * length);
    const std::size_t used = std::size_t(plan.source.width()) * Channels * Block;
    std::fill(buffer.get() + length + used, buffer.get() + 2 * length, std::uint16_t(0));
    const auto pixels =
        std::make_unique_for_overwrite<std::uint32_t[]>(plan.columns.first.size() * Block);
    for (int y = begin; y < end; y += Block)
        reduceBlock<Channels>(plan, y, std::min(Block, end - y), buffer.get(),
                              buffer.get() + length, pixels.get());
}

#ifdef QUILLON_X86_64_KERNELS
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
#endif

using RowKernel = void (*)(const Plan &, int begin, int end);

void reducePortable3(const Plan &plan, int begin, int end)
{
    reducePortable<3>(plan, begin, end);
}

void reducePortable4(const Plan &plan, int begin, int end)
{
    reducePortable<4>(plan, begin, end);
}

#ifdef QUILLON_X86_64_KERNELS
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
