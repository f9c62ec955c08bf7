// SPDX-License-Identifier: MIT
#include "imaging/Sharpen.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#ifdef QUILLON_X86_64_KERNELS
#include <immintrin.h>
#define QUILLON_AVX2 __attribute__((target("avx2")))
#endif

namespace {
struct Anchor
{
    int amount;
    int strength;
};

constexpr std::array<Anchor, 6> SharpenAnchors{
    {{0, 0}, {500, 64}, {800, 192}, {900, 320}, {950, 448}, {1000, 576}}};
constexpr std::array<Anchor, 5> SoftenAnchors{
    {{0, 0}, {500, 128}, {800, 256}, {900, 384}, {1000, 512}}};
// The widest pixel bytesPerPixel names; the portable filter's buffer has room for it.
constexpr int MaxBytesPerPixel = 4;
// Beyond this the blur is applied twice (the second time blended in by the rest), which is the
// 5x5 binomial blur at full strength.
constexpr int OneFullBlur = 256;

template<std::size_t N>
int interpolate(const std::array<Anchor, N> &anchors, int amount)
{
    for (std::size_t k = 1; k < N; ++k) {
        const Anchor &low = anchors[k - 1];
        const Anchor &high = anchors[k];
        if (amount <= high.amount) {
            const int span = high.amount - low.amount;
            return low.strength +
                   ((amount - low.amount) * (high.strength - low.strength) + span / 2) / span;
        }
    }
    return anchors[N - 1].strength;
}

// Three rows of the source (above and below repeat the edge row at the picture's top and
// bottom) and the output row; step is the distance in bytes to the horizontal neighbour.
struct RowSet
{
    const std::uint8_t *above;
    const std::uint8_t *row;
    const std::uint8_t *below;
    std::uint8_t *out;
    int bytes;
    int step;
};

// The output byte. highPass is 16 x (p - B), within -3060..3060, and gain is 16 x strength, so
// their product fits 32 bits and (product + 2^15) >> 16 is highPass x strength / 4096 rounded,
// exactly what the AVX2 kernel's _mm256_mulhrs_epi16 computes. It is written as the high half
// of the product plus the top bit of its low half, which vectorises as 16-bit multiplies even
// where there is no rounding one.
inline std::uint8_t filtered(int centre, std::int16_t highPass, std::int16_t gain)
{
    const int product = int(highPass) * int(gain);
    const auto delta = std::int16_t((product >> 16) + (std::uint16_t(product) >> 15));
    return std::uint8_t(std::clamp(centre + delta, 0, 255));
}

void filterBytes(const RowSet &r, int from, int to, int strength)
{
    for (int i = from; i < to; ++i) {
        const int left = i >= r.step ? i - r.step : i;
        const int right = i + r.step < r.bytes ? i + r.step : i;
        const int cross = r.above[i] + r.below[i] + r.row[left] + r.row[right];
        const int diagonal = r.above[left] + r.above[right] + r.below[left] + r.below[right];
        const auto highPass = std::int16_t(12 * r.row[i] - 2 * cross - diagonal);
        r.out[i] = filtered(r.row[i], highPass, std::int16_t(16 * strength));
    }
}

// The edge pixels by the edge rule; the rest in blocks, since the blur is separable: first the
// vertical 1 2 1 sums of a block and one pixel either side, then the horizontal ones. Both loops
// are without branches, and the compiler vectorises them for whatever processor it targets.
void filterRowPortable(const RowSet &r, int strength)
{
    constexpr int Block = 1024;
    const int step = r.step;
    const int inner = std::max(step, r.bytes - step);
    filterBytes(r, 0, std::min(step, r.bytes), strength);
    const std::uint8_t *__restrict above = r.above;
    const std::uint8_t *__restrict row = r.row;
    const std::uint8_t *__restrict below = r.below;
    std::uint8_t *__restrict out = r.out;
    const auto gain = std::int16_t(16 * strength);
    std::array<std::int16_t, Block + 2 * MaxBytesPerPixel> vertical;
    for (int from = step; from < inner; from += Block) {
        const int count = std::min(Block, inner - from);
        const int first = from - step;
        for (int k = 0; k < count + 2 * step; ++k)
            vertical[std::size_t(k)] =
                std::int16_t(above[first + k] + 2 * row[first + k] + below[first + k]);
        const std::int16_t *__restrict sums = vertical.data();
        for (int k = 0; k < count; ++k) {
            const int centre = row[from + k];
            const int blur = sums[k] + 2 * sums[k + step] + sums[k + 2 * step];
            out[from + k] = filtered(centre, std::int16_t(16 * centre - blur), gain);
        }
    }
    filterBytes(r, inner, r.bytes, strength);
}

#ifdef QUILLON_X86_64_KERNELS
QUILLON_AVX2 inline __m256i load(const std::uint8_t *p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

// Widening to 16 bits; unpack works within 128-bit lanes and packus restores the order.
QUILLON_AVX2 inline __m256i lo(__m256i v)
{
    return _mm256_unpacklo_epi8(v, _mm256_setzero_si256());
}

QUILLON_AVX2 inline __m256i hi(__m256i v)
{
    return _mm256_unpackhi_epi8(v, _mm256_setzero_si256());
}

// Sixteen output values (as 16-bit lanes, before saturation) from the widened neighbours.
QUILLON_AVX2 inline __m256i filteredLanes(__m256i centre, __m256i vertical, __m256i left,
                                          __m256i right, __m256i verticalLeft,
                                          __m256i verticalRight, __m256i strength)
{
    const __m256i cross = _mm256_add_epi16(vertical, _mm256_add_epi16(left, right));
    const __m256i diagonal = _mm256_add_epi16(verticalLeft, verticalRight);
    const __m256i twelve = _mm256_mullo_epi16(centre, _mm256_set1_epi16(12));
    const __m256i highPass =
        _mm256_sub_epi16(_mm256_sub_epi16(twelve, _mm256_add_epi16(cross, cross)), diagonal);
    const __m256i delta = _mm256_mulhrs_epi16(_mm256_slli_epi16(highPass, 3), strength);
    return _mm256_add_epi16(centre, delta);
}

// 32 bytes per step; the first pixel and the tail (which need the edge rule) go through the
// portable code, which gives the same bytes.
QUILLON_AVX2 void filterRowAvx2(const RowSet &r, int strength)
{
    const int step = r.step;
    filterBytes(r, 0, std::min(step, r.bytes), strength);
    const __m256i gain = _mm256_set1_epi16(static_cast<short>(strength));
    int i = step;
    for (; i + 32 + step <= r.bytes; i += 32) {
        const __m256i centre = load(r.row + i);
        const __m256i left = load(r.row + i - step);
        const __m256i right = load(r.row + i + step);
        const __m256i above = load(r.above + i);
        const __m256i aboveLeft = load(r.above + i - step);
        const __m256i aboveRight = load(r.above + i + step);
        const __m256i below = load(r.below + i);
        const __m256i belowLeft = load(r.below + i - step);
        const __m256i belowRight = load(r.below + i + step);
        const __m256i low =
            filteredLanes(lo(centre), _mm256_add_epi16(lo(above), lo(below)), lo(left), lo(right),
                          _mm256_add_epi16(lo(aboveLeft), lo(belowLeft)),
                          _mm256_add_epi16(lo(aboveRight), lo(belowRight)), gain);
        const __m256i high =
            filteredLanes(hi(centre), _mm256_add_epi16(hi(above), hi(below)), hi(left), hi(right),
                          _mm256_add_epi16(hi(aboveLeft), hi(belowLeft)),
                          _mm256_add_epi16(hi(aboveRight), hi(belowRight)), gain);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(r.out + i), _mm256_packus_epi16(low, high));
    }
    filterBytes(r, std::max(i, step), r.bytes, strength);
}
#endif

using RowFilter = void (*)(const RowSet &, int);

// AVX-512 has no kernel of its own here: it takes the AVX2 one.
RowFilter rowFilter(CpuPath path)
{
#ifdef QUILLON_X86_64_KERNELS
    if (supportedPathUpTo(path) >= CpuPath::Avx2)
        return filterRowAvx2;
#else
    (void)path;
#endif
    return filterRowPortable;
}

// Formats filtered byte by byte as they are, with the distance to the horizontal neighbour.
int bytesPerPixel(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Grayscale8:
        return 1;
    case QImage::Format_BGR888:
    case QImage::Format_RGB888:
        return 3;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return MaxBytesPerPixel;
    default:
        return 0;
    }
}

QImage filterable(const QImage &image)
{
    if (bytesPerPixel(image.format()) > 0)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_BGR888);
}

// A pass reads only source and writes only out, so bands of rows never see each other's output.
QImage filtered(const QImage &source, int strength, RowFilter filter, RowBands::Threads threads)
{
    QImage out(source.size(), source.format());
    if (source.isNull() || out.isNull())
        return {};
    out.setDotsPerMeterX(source.dotsPerMeterX());
    out.setDotsPerMeterY(source.dotsPerMeterY());
    const int height = source.height();
    const int step = bytesPerPixel(source.format());
    const std::uint8_t *in = source.constBits();
    std::uint8_t *target = out.bits();
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = out.bytesPerLine();
    const int bytes = source.width() * step;
    RowBands::forEach(
        height, qsizetype(source.width()) * height,
        [&](int begin, int end) {
            for (int y = begin; y < end; ++y)
                filter({in + std::max(y - 1, 0) * inStride, in + y * inStride,
                        in + std::min(y + 1, height - 1) * inStride, target + y * outStride, bytes,
                        step},
                       strength);
        },
        threads);
    return out;
}
} // namespace

namespace Sharpen {
int strengthForAmount(int amount)
{
    const int clamped = std::clamp(amount, MinAmount, MaxAmount);
    if (clamped == 0)
        return 0;
    const int magnitude =
        clamped > 0 ? interpolate(SharpenAnchors, clamped) : interpolate(SoftenAnchors, -clamped);
    return clamped > 0 ? std::max(1, magnitude) : -std::max(1, magnitude);
}

QImage sharpened(const QImage &image, int amount, CpuPath path, RowBands::Threads threads)
{
    const int strength = strengthForAmount(amount);
    if (strength == 0 || image.isNull())
        return image;
    const RowFilter filter = rowFilter(path);
    const QImage source = filterable(image);
    if (strength >= -OneFullBlur)
        return filtered(source, strength, filter, threads);
    return filtered(filtered(source, -OneFullBlur, filter, threads), strength + OneFullBlur, filter,
                    threads);
}
} // namespace Sharpen
