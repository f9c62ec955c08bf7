// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

// An owning, zero-initialised block of bytes for image data. Allocation can fail: the frames are
// several megabytes and the program must report a shortage instead of ending, so allocate()
// returns a null block rather than throwing. The block is freed when its owner goes away, on
// every path.
class MemoryBlock
{
public:
    MemoryBlock() = default;

    // A zeroed block of size bytes, or a null block when the memory cannot be had.
    static MemoryBlock allocate(std::size_t size);
    // The same, not zeroed, for a caller that writes every byte before anything reads it (a
    // frame block is filled by its transfer or conversion, or discarded). Zeroing a reused
    // block costs as much as a copy.
    static MemoryBlock allocateForOverwrite(std::size_t size);

    bool isNull() const { return !m_data; }
    explicit operator bool() const { return !isNull(); }
    std::size_t size() const { return m_size; }
    std::uint8_t *data() { return m_data.get(); }
    const std::uint8_t *data() const { return m_data.get(); }
    std::span<std::uint8_t> bytes() { return {m_data.get(), m_size}; }
    std::span<const std::uint8_t> bytes() const { return {m_data.get(), m_size}; }

    void reset();

private:
    static MemoryBlock allocateWith(void *(*allocator)(std::size_t), std::size_t size);

    struct Free
    {
        void operator()(std::uint8_t *p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t[], Free> m_data;
    std::size_t m_size = 0;
};

// Test seam: makes a chosen allocation fail, so that every out-of-memory path can be exercised.
// Counting is per process and not thread-safe; image blocks are allocated on the UI thread only.
class AllocationFaults
{
public:
    // The n-th call of MemoryBlock::allocate from now fails (1 = the next one).
    static void failAllocation(int n);
    // Every allocation succeeds again; the count of allocations restarts at 0.
    static void clear();
    // Allocations attempted since the last clear().
    static int attempts();
};
