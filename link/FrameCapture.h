// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/LinkError.h"
#include "link/MemoryBlock.h"

#include <functional>
#include <optional>

class CameraLink;

// One capture from the camera, without widgets: the colour coefficients ("QS4  "), the transfer
// request ("TR0  ") and its acknowledgement, the raw frame and its crop. Failures of a send,
// a reply or a row are reported by the link itself; what it leaves to the caller comes back as
// an error.
class FrameCapture
{
public:
    struct Result
    {
        // Set once the coefficients' reply was asked for, even when the capture then failed.
        std::optional<ColorCoefficients> coefficients;
        // The cropped frame; null when the capture failed or the frame went into keptFrame.
        MemoryBlock croppedFrame;
        // The new frame was cropped into the caller's kept frame.
        bool intoKeptFrame = false;
        // A failure for the caller to report (a shortage of memory).
        std::optional<LinkError> error;
        // The image transfer was started (the frame was disabled and enabled again).
        bool transferStarted = false;
    };
    // Around the image transfer itself: the frame takes no input while rows arrive, and the rows
    // read so far are shown.
    struct TransferHooks
    {
        std::function<void()> starting;
        std::function<void()> ended;
        std::function<void(int rows)> progress;
    };

    explicit FrameCapture(CameraLink &link);
    // keptFrame: the caller's kept frame, if it has one. Once the transfer has succeeded, the
    // new frame is cropped straight into it: nothing to allocate or copy.
    Result run(const TransferHooks &hooks, MemoryBlock *keptFrame = nullptr);

private:
    CameraLink &m_link;
};
