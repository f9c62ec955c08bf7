// SPDX-License-Identifier: MIT
#include "link/MemoryBlock.h"

namespace {
int g_attempts = 0;
int g_failingAttempt = 0; // 0: none fails
} // namespace

MemoryBlock MemoryBlock::allocate(std::size_t size)
{
    // calloc gives zeroed pages cheaply and reports failure instead of throwing.
    return allocateWith([](std::size_t bytes) { return std::calloc(bytes, 1); }, size);
}

MemoryBlock MemoryBlock::allocateForOverwrite(std::size_t size)
{
    return allocateWith(std::malloc, size);
}

MemoryBlock MemoryBlock::allocateWith(void *(*allocator)(std::size_t), std::size_t size)
{
    MemoryBlock block;
    ++g_attempts;
    if (g_attempts == g_failingAttempt)
        return block;
    auto *p = static_cast<std::uint8_t *>(allocator(size == 0 ? 1 : size));
    if (!p)
        return block;
    block.m_data.reset(p);
    block.m_size = size;
    return block;
}

void MemoryBlock::reset()
{
    m_data.reset();
    m_size = 0;
}

void AllocationFaults::failAllocation(int n)
{
    g_failingAttempt = g_attempts + n;
}

void AllocationFaults::clear()
{
    g_attempts = 0;
    g_failingAttempt = 0;
}

int AllocationFaults::attempts()
{
    return g_attempts;
}
