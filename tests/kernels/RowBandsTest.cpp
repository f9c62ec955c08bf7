// SPDX-License-Identifier: MIT
#include "kernels/RowBands.h"

#include <atomic>
#include <gtest/gtest.h>
#include <vector>

namespace {
// Every row is worked on exactly once, however the pooled threads share the bands: a row done
// twice would be sharpened twice, a row left out keeps the bytes before.
TEST(RowBands, EveryRowOnce)
{
    for (int height :
         {0, 1, RowBands::BandRows - 1, RowBands::BandRows, RowBands::BandRows + 1, 1024}) {
        std::vector<std::atomic<int>> visits(static_cast<std::size_t>(height));
        RowBands::forEach(height, 1LL << 20, [&](int begin, int end) {
            for (int row = begin; row < end; ++row)
                visits[std::size_t(row)].fetch_add(1);
        });
        for (int row = 0; row < height; ++row)
            ASSERT_EQ(visits[std::size_t(row)].load(), 1) << "height " << height << " row " << row;
    }
}
} // namespace
