// SPDX-License-Identifier: MIT
#pragma once

// Where the process's picture memory goes: kept for the next capture, or given back.
namespace ImageMemory {
// Keeps the memory of freed picture buffers in the process for the next capture. Every capture
// allocates and frees several blocks of megabytes; left to the defaults, each comes fresh from
// the system and its first touch of every page costs more than the whole conversion.
void keepInProcess();

// Maps and touches, once, as much memory as a capture uses, and leaves it to the heap, so that
// the first capture is as fast as the next. Changes nothing that can be seen: every block of the
// capture is still allocated, and can still fail, where it always was.
void prepareForCapture();

// While one lives, blocks of a megabyte and more come fresh from the system and go back to it
// when freed, instead of staying with the heap for the next capture (see keepInProcess): for
// decoding a file, whose buffers nothing reuses. A refused file of hundreds of megabytes
// would otherwise leave as much resident, on the heap of the thread that decoded it.
class FreshBlocks
{
public:
    FreshBlocks();
    ~FreshBlocks();
    FreshBlocks(const FreshBlocks &) = delete;
    FreshBlocks &operator=(const FreshBlocks &) = delete;
};
} // namespace ImageMemory
