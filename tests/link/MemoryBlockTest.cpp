// SPDX-License-Identifier: MIT
#include "link/MemoryBlock.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
class MemoryBlockTest : public ::testing::Test
{
protected:
    void TearDown() override { AllocationFaults::clear(); }
};

TEST_F(MemoryBlockTest, NewBlockIsZeroedAndOwnsItsBytes)
{
    MemoryBlock block = MemoryBlock::allocate(4096);
    ASSERT_FALSE(block.isNull());
    EXPECT_EQ(block.size(), 4096u);
    EXPECT_TRUE(std::all_of(block.data(), block.data() + block.size(),
                            [](std::uint8_t b) { return b == 0; }));
    block.data()[4095] = 7;
    MemoryBlock moved = std::move(block);
    EXPECT_EQ(moved.data()[4095], 7);
    moved.reset();
    EXPECT_TRUE(moved.isNull());
    EXPECT_EQ(moved.size(), 0u);
}

TEST_F(MemoryBlockTest, ImpossibleSizeGivesNullBlock)
{
    MemoryBlock blocks[] = {MemoryBlock::allocate(std::size_t(1) << 62),
                            MemoryBlock::allocateForOverwrite(std::size_t(1) << 62)};
    for (const MemoryBlock &block : blocks) {
        EXPECT_TRUE(block.isNull());
        EXPECT_EQ(block.size(), 0u);
    }
}

TEST_F(MemoryBlockTest, InjectedFailureHitsExactlyTheChosenAllocation)
{
    AllocationFaults::clear();
    AllocationFaults::failAllocation(2);
    MemoryBlock first = MemoryBlock::allocate(16);
    MemoryBlock second = MemoryBlock::allocateForOverwrite(16); // counted alike
    MemoryBlock third = MemoryBlock::allocate(16);
    EXPECT_FALSE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_FALSE(third.isNull());
    EXPECT_EQ(AllocationFaults::attempts(), 3);
}
} // namespace
