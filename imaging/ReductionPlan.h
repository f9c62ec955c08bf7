// SPDX-License-Identifier: MIT
#pragma once

// What the reduction's paths share: the weights, the plan of one reduction and the vertical
// sums, which the compiler vectorises for whatever target each path is built for.

#include <QImage>

#include <cstdint>
#include <vector>

namespace ReductionKernels {
// The vertical and horizontal weights together count in 1 / 2^Shift.
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

inline std::uint32_t *targetRow(const Plan &plan, int y)
{
    return reinterpret_cast<std::uint32_t *>(plan.targetBits + y * plan.targetStride);
}

// The portable path's share of the plan, and its kernels for three and four channels.
Plan::Portable portableColumnsFor(const Taps &columns, int from, int to);
void reducePortable3(const Plan &plan, int begin, int end);
void reducePortable4(const Plan &plan, int begin, int end);
} // namespace ReductionKernels
