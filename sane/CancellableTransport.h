// SPDX-License-Identifier: MIT
#pragma once

#include "link/PipeTransport.h"

#include <atomic>

// The camera's transport with a way to stop a transfer from outside: once cancelled, every
// transfer fails at once, as a cut cable would, until the cancel is lifted. A frontend cancels
// from a signal handler, so cancelling only sets a flag.
class CancellableTransport : public PipeTransport
{
public:
    explicit CancellableTransport(PipeTransport &camera)
        : m_camera(camera)
    {}

    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    void lift() { m_cancelled.store(false, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

    std::unique_ptr<PipeHandle> open(std::string_view pipeName) override;
    CameraRefusal lastRefusal() const override { return m_camera.lastRefusal(); }
    void beginOperation() override { m_camera.beginOperation(); }
    void endOperation() override { m_camera.endOperation(); }

private:
    class Pipe;

    PipeTransport &m_camera;
    std::atomic<bool> m_cancelled = false;
    static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
};
