// SPDX-License-Identifier: MIT
#pragma once

#include "link/DeviceWatcher.h"

#include <atomic>
#include <cstdint>
#include <thread>

struct libusb_context;

// USB arrival and removal through libusb hot-plug, for every device, each reported with its key
// "USB\VID_xxxx&PID_xxxx" (upper-case hexadecimal); the link picks out the camera's.
//
// libusb runs hot-plug callbacks from inside its event handling. This watcher has a context of
// its own, served by one thread that does nothing but wait in libusb_handle_events: it opens no
// device, so it never waits on a device file and never competes with the transfers. The
// callback only posts a queued call; deviceChanged is emitted on the thread that owns the
// watcher (the UI thread), where the receiver may close handles and make transfers freely.
//
// Devices already present at start are not reported (the program asks the camera once anyway).
// Where libusb has no hot-plug support nothing is reported, and the readiness polling still
// finds the camera.
class UsbDeviceWatcher : public DeviceWatcher
{
    Q_OBJECT
public:
    explicit UsbDeviceWatcher(QObject *parent = nullptr);
    ~UsbDeviceWatcher() override;

    // Whether arrivals and removals will be reported at all.
    bool isWatching() const { return m_eventThread.joinable(); }

    static QString hardwareKey(std::uint16_t vendorId, std::uint16_t productId);

private:
    void handleEvents();

    libusb_context *m_context = nullptr;
    int m_callback = 0; // libusb_hotplug_callback_handle
    std::atomic<bool> m_stopping{false};
    std::thread m_eventThread;
};
