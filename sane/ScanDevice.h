// SPDX-License-Identifier: MIT
#pragma once

#include "link/ReadinessMonitor.h"
#include "picture/HeadlessFrame.h"
#include "picture/ImageHolder.h"
#include "picture/ShownPicture.h"
#include "sane/CancellableTransport.h"
#include "sane/ScanFrame.h"
#include "sane/ScanOptions.h"

#include <chrono>
#include <memory>
#include <sane/sane.h>

class SettingsStore;

// One open device: the camera over USB or the simulated main unit, its options, and the scan
// under way. A scan is the program's own capture (the same readiness questions, transfer,
// conversion and sharpening, with the picture settings of the options), cut to the options' area
// and mode. Every exchange with the camera is one operation, so the program can use the camera
// between them; while the program holds it, the answer is SANE_STATUS_DEVICE_BUSY. Failures come
// back as SANE statuses, their causes as warnings of quillon.sane; nothing is shown or printed.
class ScanDevice : public CameraControls
{
public:
    // How long a motion button keeps its motion running.
    static constexpr std::chrono::milliseconds MotionStep{250};

    // The options start from the picture settings stored in store.
    ScanDevice(std::unique_ptr<PipeTransport> camera, const SettingsStore &store);

    // At sane_open: whether the camera is there and may be used; reads its settings for the
    // options when it answers ready. A camera another program holds opens all the same.
    SANE_Status connect();
    ScanOptions &options() { return m_options; }
    // The scan under way, or the one the options would make.
    SANE_Parameters parameters() const;
    // Captures the picture; waits, as the program does, while the camera is initializing.
    SANE_Status start();
    // Exactly the bytes parameters() announced, then SANE_STATUS_EOF.
    SANE_Status read(SANE_Byte *data, SANE_Int maxLength, SANE_Int *length);
    // Safe from a signal handler: the transfer under way stops, and the next read says so.
    void cancel() { m_transport.cancel(); }

    // CameraControls
    SANE_Status sendControl(std::string_view command) override;
    SANE_Status stepMotion(std::string_view start, std::string_view stop) override;

private:
    friend class ScanDeviceFixture;

    // The status of a readiness question the camera did not answer.
    SANE_Status refusalStatus(const char *call) const;
    // Asks whether the camera is ready; `wait`: asks again while it is initializing, at most as
    // long as the program waits; else an initializing camera is busy.
    SANE_Status awaitReadiness(const char *call, bool wait);
    // The status of a failed exchange, from the messages the link gave since `since`.
    SANE_Status failureStatus(const char *call, qsizetype since) const;
    SANE_Status sendAcknowledged(std::string_view command);
    // False when cancelled meanwhile.
    bool waitUnlessCancelled(std::chrono::milliseconds duration) const;

    std::unique_ptr<PipeTransport> m_camera;
    CancellableTransport m_transport;
    HeadlessFrame m_frame;
    ReadinessMonitor m_readiness;
    ImageHolder m_image;
    ShownPicture m_shown;
    ScanOptions m_options;
    ScanFrame m_scan;
    std::size_t m_delivered = 0;
    bool m_scanning = false;
    // Between readiness questions while the camera is initializing, as the program asks.
    std::chrono::milliseconds m_pollInterval{ReadinessMonitor::PollIntervalMs};
};
