// SPDX-License-Identifier: MIT
#include "picture/ImageMemory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace {
std::int64_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0;
    std::int64_t resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// 256 MB in blocks of 4 MB, as a decoder's buffers: each written, then all freed.
void useBlocks()
{
    constexpr std::size_t BlockBytes = 4 << 20;
    std::vector<void *> blocks;
    for (int i = 0; i < 64; ++i) {
        void *block = std::malloc(BlockBytes);
        ASSERT_NE(block, nullptr);
        std::memset(block, 0x5A, BlockBytes);
        asm volatile("" : : "r"(block) : "memory"); // the writes must happen
        blocks.push_back(block);
    }
    for (void *block : blocks)
        std::free(block);
}

// The program keeps freed picture memory for its captures; what a decoder took goes back.
TEST(ImageMemory, FreshBlocksGoBackToTheSystemWhenFreed)
{
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
    GTEST_SKIP() << "this holds for glibc's own allocator";
#endif
    ImageMemory::keepInProcess();
    const std::int64_t before = residentBytes();
    {
        const ImageMemory::FreshBlocks fresh;
        useBlocks();
    }
    EXPECT_LT(residentBytes() - before, std::int64_t(32) << 20);
}
} // namespace
