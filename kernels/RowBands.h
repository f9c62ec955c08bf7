// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Work on a picture split by rows across this thread and Qt's pooled threads, for wall time.
namespace RowBands {
// Pooled shares the rows out as below; Caller makes one call for all of them on the calling
// thread: a kernel measured against its single-threaded peers, or the reference for the seams.
enum class Threads
{
    Pooled,
    Caller
};

// Pooled bands have this many rows, but for the last one when height is not a multiple of it.
inline constexpr int BandRows = 16;

// Calls band(begin, end) for bands of a few rows that cover 0 to height once, and returns when
// all are done. Other threads take part only when `pixels` is worth the hand-over. Bands are
// handed out from a shared counter, so a thread that starts late or runs on a busy core takes
// fewer; a helper that has not started when the rows run out is taken back from the pool's
// queue. band is called from several threads at once, each time for different rows.
void forEach(int height, long long pixels, const std::function<void(int begin, int end)> &band,
             Threads threads = Threads::Pooled);
} // namespace RowBands
