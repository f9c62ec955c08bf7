// SPDX-License-Identifier: MIT
#include "kernels/RowBands.h"

#include <QRunnable>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace {
constexpr long long PixelsWorthSharing = 1 << 16; // below this, the hand-over costs more
} // namespace

namespace RowBands {
void forEach(int height, long long pixels, const std::function<void(int begin, int end)> &band,
             Threads threads)
{
    if (threads == Threads::Caller) {
        band(0, height);
        return;
    }
    std::atomic<int> next{0};
    const auto drain = [&] {
        for (int begin = next.fetch_add(BandRows); begin < height; begin = next.fetch_add(BandRows))
            band(begin, std::min(begin + BandRows, height));
    };
    QThreadPool *pool = QThreadPool::globalInstance();
    const int helpers = std::min(pool->maxThreadCount(), QThread::idealThreadCount()) - 1;
    if (helpers < 1 || pixels < PixelsWorthSharing || height <= BandRows ||
        pool->contains(QThread::currentThread())) {
        drain();
        return;
    }
    QSemaphore finished;
    std::vector<std::unique_ptr<QRunnable>> started;
    for (int i = 0; i < helpers; ++i) {
        started.emplace_back(QRunnable::create([&] {
            drain();
            finished.release();
        }));
        started.back()->setAutoDelete(false);
        pool->start(started.back().get());
    }
    drain();
    int running = 0;
    for (const auto &helper : started)
        running += pool->tryTake(helper.get()) ? 0 : 1;
    finished.acquire(running);
}
} // namespace RowBands
