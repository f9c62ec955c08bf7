// SPDX-License-Identifier: MIT
#include "link/UsbDeviceWatcher.h"

#include "link/LinkLogging.h"

#include <libusb.h>

namespace {
// Runs inside libusb's event handling, on the watcher's event thread. Closing handles or making
// synchronous libusb calls here fails (LIBUSB_ERROR_BUSY) or deadlocks, so the event is only
// recorded in a queued call to the watcher's own thread.
int LIBUSB_CALL onHotplug(libusb_context *, libusb_device *device, libusb_hotplug_event event,
                          void *userData)
{
    auto *watcher = static_cast<UsbDeviceWatcher *>(userData);
    // The descriptor is cached by libusb, so it can still be read for a device that has left.
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != LIBUSB_SUCCESS)
        return 0;
    const DeviceEvent change = event == LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED
                                   ? DeviceEvent::Arrival
                                   : DeviceEvent::RemoveComplete;
    const QString key = UsbDeviceWatcher::hardwareKey(descriptor.idVendor, descriptor.idProduct);
    // Dropped by Qt if the watcher is destroyed before the call is delivered.
    QMetaObject::invokeMethod(
        watcher, [watcher, change, key] { Q_EMIT watcher->deviceChanged(change, key); },
        Qt::QueuedConnection);
    return 0; // stay registered
}
} // namespace

UsbDeviceWatcher::UsbDeviceWatcher(QObject *parent)
    : DeviceWatcher(parent)
{
    if (!libusb_has_capability(LIBUSB_CAP_HAS_HOTPLUG))
        return;
    if (const int result = libusb_init(&m_context); result != LIBUSB_SUCCESS) {
        qCWarning(lcLink) << "cannot start libusb for hot-plug:" << libusb_error_name(result);
        m_context = nullptr;
        return;
    }
    const int events = LIBUSB_HOTPLUG_EVENT_DEVICE_ARRIVED | LIBUSB_HOTPLUG_EVENT_DEVICE_LEFT;
    if (const int result = libusb_hotplug_register_callback(
            m_context, libusb_hotplug_event(events), LIBUSB_HOTPLUG_NO_FLAGS,
            LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY, LIBUSB_HOTPLUG_MATCH_ANY, onHotplug,
            this, &m_callback);
        result != LIBUSB_SUCCESS) {
        qCWarning(lcLink) << "cannot watch for hot-plug:" << libusb_error_name(result);
        libusb_exit(m_context);
        m_context = nullptr;
        return;
    }
    m_eventThread = std::thread([this] { handleEvents(); });
}

UsbDeviceWatcher::~UsbDeviceWatcher()
{
    if (!m_context)
        return;
    if (m_eventThread.joinable()) {
        libusb_hotplug_deregister_callback(m_context, m_callback);
        m_stopping = true;
        // Wakes the thread from its wait; an interruption that comes before the wait is kept
        // by libusb and ends the next one at once.
        libusb_interrupt_event_handler(m_context);
        m_eventThread.join();
    }
    libusb_exit(m_context);
}

QString UsbDeviceWatcher::hardwareKey(std::uint16_t vendorId, std::uint16_t productId)
{
    return QString::asprintf("USB\\VID_%04X&PID_%04X", unsigned(vendorId), unsigned(productId));
}

void UsbDeviceWatcher::handleEvents()
{
    while (!m_stopping) {
        // Blocks until libusb has something to do; the time-out only bounds one wait.
        timeval wait{60, 0};
        libusb_handle_events_timeout_completed(m_context, &wait, nullptr);
    }
}
