// SPDX-License-Identifier: MIT
#include "link/FrameCapture.h"

#include "link/CameraCommandTexts.h"
#include "link/CameraLink.h"
#include "link/ColorConversion.h"

FrameCapture::FrameCapture(CameraLink &link)
    : m_link(link)
{}

FrameCapture::Result FrameCapture::run(const TransferHooks &hooks, MemoryBlock *keptFrame)
{
    Result result;
    // The whole capture is one operation: nobody else's command comes between the transfer's
    // request and its rows.
    const CameraLink::Operation operation(m_link);
    if (!m_link.SendCommand(CameraCommands::ReadinessQuery))
        return result;
    ReplyPacket reply{};
    m_link.ReadReply(reply);
    result.coefficients = ColorCoefficients{reply[1], reply[2], reply[3], reply[4]};
    if (!m_link.SendCommand(CameraCommands::TransferRequest) || !m_link.CheckAck())
        return result;

    // Filled whole by the transfer, or discarded.
    MemoryBlock raw = MemoryBlock::allocateForOverwrite(FrameLayout::RawFrameBytes);
    if (raw.isNull()) {
        result.error = LinkError::OutOfMemory;
        return result;
    }
    result.transferStarted = true;
    if (hooks.starting)
        hooks.starting();
    const bool transferred = m_link.ReadImageBlock(raw, hooks.progress);
    if (hooks.ended)
        hooks.ended();
    if (!transferred)
        return result;
    if (keptFrame && !keptFrame->isNull() && CropRawFrame(raw.bytes(), keptFrame->bytes())) {
        result.intoKeptFrame = true;
        return result;
    }
    result.croppedFrame = cropRawFrameBlock(raw);
    if (result.croppedFrame.isNull())
        result.error = LinkError::OutOfMemory;
    return result;
}
