// SPDX-License-Identifier: MIT
#include "imaging/ReductionPlan.h"

#include <algorithm>
#include <memory>

namespace ReductionKernels {
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

namespace {
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
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC ivdep
#endif
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

} // namespace

void reducePortable3(const Plan &plan, int begin, int end)
{
    reducePortable<3>(plan, begin, end);
}

void reducePortable4(const Plan &plan, int begin, int end)
{
    reducePortable<4>(plan, begin, end);
}

} // namespace ReductionKernels
