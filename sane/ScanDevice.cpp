// SPDX-License-Identifier: MIT
#include "sane/ScanDevice.h"

#include "link/CameraCommands.h"
#include "link/LinkError.h"
#include "sane/SaneLogging.h"
#include "store/SettingsStore.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {
ScanSettings storedSettings(const SettingsStore &store)
{
    ScanSettings settings;
    settings.gammaCorrection = store.read(Setting::Gamma) == 0;
    settings.sharpnessIndex = store.read(Setting::Sharpness);
    return settings;
}
} // namespace

ScanDevice::ScanDevice(std::unique_ptr<PipeTransport> camera, const SettingsStore &store)
    : m_camera(std::move(camera))
    , m_transport(*m_camera)
    , m_frame(m_transport,
              [](const LinkMessage &message) {
                  qCWarning(lcSane, "the camera link: %s", qPrintable(message.text.trimmed()));
              })
    , m_readiness(m_frame.link(), m_frame, m_frame)
    , m_shown(
          m_image, m_frame, [] { return QSize(); }, [] {})
    , m_options(*this, storedSettings(store))
{
    m_frame.setReadiness(&m_readiness);
    m_shown.readSettings(store);
}

SANE_Status ScanDevice::refusalStatus(const char *call) const
{
    switch (m_transport.lastRefusal()) {
    case CameraRefusal::Busy:
        qCWarning(lcSane, "%s: another program is using the camera", call);
        return SANE_STATUS_DEVICE_BUSY;
    case CameraRefusal::PermissionDenied:
        qCWarning(lcSane, "%s: this user may not open the camera (is its udev rule installed?)",
                  call);
        return SANE_STATUS_ACCESS_DENIED;
    case CameraRefusal::None:
        break;
    }
    qCWarning(lcSane, "%s: no camera answers", call);
    return SANE_STATUS_IO_ERROR;
}

SANE_Status ScanDevice::connect()
{
    m_transport.lift();
    if (m_readiness.QueryReadiness() == -1) {
        // Busy is for the moment only: the scan may well find it free.
        if (m_transport.lastRefusal() == CameraRefusal::Busy) {
            qCInfo(lcSane, "sane_open: the camera is in use; its settings are not read yet");
            return SANE_STATUS_GOOD;
        }
        return refusalStatus("sane_open");
    }
    if (m_readiness.isReady()) {
        if (const auto status = CameraCommands::readCameraStatus(m_frame.link()))
            m_options.showCameraStatus(*status);
    }
    return SANE_STATUS_GOOD;
}

SANE_Parameters ScanDevice::parameters() const
{
    return m_scanning ? m_scan.parameters() : scanParameters(m_options.settings());
}

bool ScanDevice::waitUnlessCancelled(std::chrono::milliseconds duration) const
{
    constexpr std::chrono::milliseconds Slice{50};
    for (auto waited = std::chrono::milliseconds(0); waited < duration; waited += Slice) {
        if (m_transport.isCancelled())
            return false;
        std::this_thread::sleep_for(std::min(Slice, duration - waited));
    }
    return !m_transport.isCancelled();
}

SANE_Status ScanDevice::awaitReadiness(const char *call, bool wait)
{
    int readiness = m_readiness.QueryReadiness();
    if (readiness == 1 && !wait) {
        qCWarning(lcSane, "%s: the camera is initializing", call);
        return SANE_STATUS_DEVICE_BUSY;
    }
    for (int polls = 0; readiness == 1 && polls < ReadinessMonitor::MaxInitializingPolls; ++polls) {
        if (!waitUnlessCancelled(m_pollInterval))
            return SANE_STATUS_CANCELLED;
        readiness = m_readiness.QueryReadiness();
    }
    if (m_transport.isCancelled())
        return SANE_STATUS_CANCELLED;
    if (readiness == -1)
        return refusalStatus(call);
    if (readiness == 1) {
        qCWarning(lcSane, "%s: the camera was still initializing after %d answers", call,
                  ReadinessMonitor::MaxInitializingPolls + 1);
        return SANE_STATUS_IO_ERROR;
    }
    return SANE_STATUS_GOOD;
}

SANE_Status ScanDevice::failureStatus(const char *call, qsizetype since) const
{
    if (m_transport.isCancelled())
        return SANE_STATUS_CANCELLED;
    if (m_transport.lastRefusal() != CameraRefusal::None)
        return refusalStatus(call);
    const QList<LinkMessage> &messages = m_frame.messages();
    const bool outOfMemory =
        std::any_of(messages.begin() + since, messages.end(), [](const LinkMessage &message) {
            return message.code == int(LinkError::OutOfMemory);
        });
    qCWarning(lcSane, "%s failed", call);
    return outOfMemory ? SANE_STATUS_NO_MEM : SANE_STATUS_IO_ERROR;
}

SANE_Status ScanDevice::start()
{
    m_scanning = false;
    m_delivered = 0;
    m_transport.lift();
    if (const SANE_Status status = awaitReadiness("sane_start", true); status != SANE_STATUS_GOOD)
        return status;

    const ScanSettings &settings = m_options.settings();
    m_shown.setGamma(settings.gammaCorrection ? 0 : 1);
    m_shown.setSharpnessIndex(settings.sharpnessIndex);
    // Empty before the capture: a failed one leaves nothing behind to pass for its picture.
    m_image.SetImageHandle(0);
    const qsizetype since = m_frame.messages().size();
    m_shown.capture();
    if (m_transport.isCancelled() || m_image.GetImage().isNull())
        return failureStatus("sane_start: the capture", since);
    m_scan.make(m_image.GetImage(), settings);
    m_image.SetImageHandle(0);
    if (m_scan.isEmpty()) {
        qCWarning(lcSane, "sane_start: the capture gave a picture of another size");
        return SANE_STATUS_IO_ERROR;
    }
    m_scanning = true;
    const SANE_Parameters &p = m_scan.parameters();
    qCInfo(lcSane, "sane_start: %d lines of %d bytes", p.lines, p.bytes_per_line);
    return SANE_STATUS_GOOD;
}

SANE_Status ScanDevice::read(SANE_Byte *data, SANE_Int maxLength, SANE_Int *length)
{
    *length = 0;
    if (m_transport.isCancelled()) {
        m_scanning = false;
        return SANE_STATUS_CANCELLED;
    }
    if (!m_scanning || maxLength < 0)
        return SANE_STATUS_INVAL;
    const std::span<const std::uint8_t> bytes = m_scan.bytes();
    if (m_delivered == bytes.size())
        return SANE_STATUS_EOF;
    // A read of nothing is not the end: bytes are still to come.
    const std::size_t count = std::min(std::size_t(maxLength), bytes.size() - m_delivered);
    std::memcpy(data, bytes.data() + m_delivered, count);
    m_delivered += count;
    *length = SANE_Int(count);
    return SANE_STATUS_GOOD;
}

SANE_Status ScanDevice::sendAcknowledged(std::string_view command)
{
    const qsizetype since = m_frame.messages().size();
    if (CameraCommands::sendControlCommand(m_frame.link(), command))
        return SANE_STATUS_GOOD;
    return failureStatus("sane_control_option: the camera's command", since);
}

SANE_Status ScanDevice::sendControl(std::string_view command)
{
    m_transport.lift();
    if (const SANE_Status status = awaitReadiness("sane_control_option", false);
        status != SANE_STATUS_GOOD)
        return status;
    return sendAcknowledged(command);
}

SANE_Status ScanDevice::stepMotion(std::string_view start, std::string_view stop)
{
    m_transport.lift();
    if (const SANE_Status status = awaitReadiness("sane_control_option", false);
        status != SANE_STATUS_GOOD)
        return status;
    // One operation: the program cannot come between the start and the stop.
    const CameraLink::Operation operation(m_frame.link());
    if (const SANE_Status status = sendAcknowledged(start); status != SANE_STATUS_GOOD)
        return status;
    std::this_thread::sleep_for(MotionStep);
    const SANE_Status status = sendAcknowledged(stop);
    // A stop that could not get through is sent once the camera answers again.
    if (status != SANE_STATUS_GOOD)
        m_frame.link().oweStop(stop);
    return status;
}
