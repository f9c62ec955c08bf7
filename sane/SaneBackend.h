// SPDX-License-Identifier: MIT
#pragma once

#include "sane/BackendConfig.h"
#include "sane/ScanDevice.h"

#include <memory>
#include <sane/sane.h>
#include <vector>

class PipeTransport;

// The backend as SANE's entry points see it: its configuration, the devices it offers and the
// ones open. The camera over USB is offered while one is on the bus, the simulated main unit
// when the configuration asks for it. Device names are "usb" and "simulated"; SANE's dll
// backend shows them as "quillon:usb" and "quillon:simulated".
class SaneBackend
{
public:
    static constexpr char UsbDevice[] = "usb";
    static constexpr char SimulatedDevice[] = "simulated";

    // sane_init, again after sane_exit or even without it: the configuration is read anew.
    void init();
    // Closes every open device.
    void exit();
    const SANE_Device **devices();
    // An empty name opens the first device offered.
    SANE_Status open(const char *name, ScanDevice **device);
    void close(ScanDevice *device);
    // Whether the handle is one of ours and open; the others are refused.
    bool isOpen(const void *handle) const;

    // A simulated main unit set up as the configuration says; null, with a warning, when it
    // cannot be.
    static std::unique_ptr<PipeTransport> makeSimulator(const BackendConfig &config);

private:
    BackendConfig m_config;
    std::vector<std::unique_ptr<ScanDevice>> m_open;
    std::vector<SANE_Device> m_devices;
    std::vector<const SANE_Device *> m_deviceList;
};
