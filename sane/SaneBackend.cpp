// SPDX-License-Identifier: MIT
#include "sane/SaneBackend.h"

#include "link/UsbTransport.h"
#include "sane/SaneLogging.h"
#include "sim/SharedCameraLock.h"
#include "sim/SimControlCommands.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <algorithm>
#include <cstring>

namespace {
// Both are still cameras: some frontends hide a "virtual device", and the simulated one is there
// to be tried in them.
constexpr char DeviceType[] = "still camera";
constexpr char Vendor[] = "TOVA";
constexpr char Model[] = "USB document camera";
constexpr char SimulatedModel[] = "USB document camera (simulated)";
} // namespace

void SaneBackend::init()
{
    m_config = BackendConfig::read();
    if (m_config.path.isEmpty())
        qCInfo(lcSane, "no %s found; offering the camera over USB", BackendConfig::FileName);
    else
        qCInfo(lcSane, "read %s: usb %s, simulated %s", qPrintable(m_config.path),
               m_config.usb ? "on" : "off", m_config.simulated ? "on" : "off");
}

void SaneBackend::exit()
{
    m_open.clear();
    m_deviceList.clear();
    m_devices.clear();
}

const SANE_Device **SaneBackend::devices()
{
    m_devices.clear();
    if (m_config.usb && UsbTransport().isCameraOnBus())
        m_devices.push_back({UsbDevice, Vendor, Model, DeviceType});
    if (m_config.simulated)
        m_devices.push_back({SimulatedDevice, Vendor, SimulatedModel, DeviceType});
    m_deviceList.clear();
    for (const SANE_Device &device : m_devices)
        m_deviceList.push_back(&device);
    m_deviceList.push_back(nullptr);
    qCInfo(lcSane, "sane_get_devices: %zu devices", m_devices.size());
    return m_deviceList.data();
}

std::unique_ptr<PipeTransport> SaneBackend::makeSimulator(const BackendConfig &config)
{
    auto unit = std::make_unique<SimulatedMainUnit>();
    QString error;
    if (!config.simulatedFrame.isEmpty() && !unit->loadFrame(config.simulatedFrame, &error)) {
        qCWarning(lcSane, "simulated-frame: %s", qPrintable(error));
        return nullptr;
    }
    if (!config.simulatedCoefficients.isEmpty()) {
        const std::optional<ColorCoefficients> k =
            parseCoefficients(config.simulatedCoefficients, &error);
        if (!k) {
            qCWarning(lcSane, "simulated-coefficients: %s", qPrintable(error));
            return nullptr;
        }
        unit->setCoefficients(*k);
    }
    if (!config.simulatedFaults.isEmpty()) {
        error = runSimFaults(*unit, config.simulatedFaults);
        if (!error.isEmpty()) {
            qCWarning(lcSane, "simulated-faults: %s", qPrintable(error));
            return nullptr;
        }
    }
    // Shared with the program's simulator, as the camera is shared with the program.
    if (!unit->shareThrough(SharedCameraLock::defaultPath(), &error))
        qCWarning(lcSane, "the simulated main unit is not shared: %s", qPrintable(error));
    return unit;
}

SANE_Status SaneBackend::open(const char *name, ScanDevice **device)
{
    *device = nullptr;
    const char *chosen = name;
    // The first device offered; the list a frontend holds stays as it is.
    if (!chosen || !*chosen) {
        if (m_config.usb && UsbTransport().isCameraOnBus())
            chosen = UsbDevice;
        else if (m_config.simulated)
            chosen = SimulatedDevice;
        else {
            qCWarning(lcSane, "sane_open: no device to open");
            return SANE_STATUS_INVAL;
        }
    }
    std::unique_ptr<PipeTransport> camera;
    if (m_config.usb && std::strcmp(chosen, UsbDevice) == 0)
        camera = std::make_unique<UsbTransport>();
    else if (m_config.simulated && std::strcmp(chosen, SimulatedDevice) == 0)
        camera = makeSimulator(m_config);
    else {
        qCWarning(lcSane, "sane_open: there is no device \"%s\"", chosen);
        return SANE_STATUS_INVAL;
    }
    if (!camera)
        return SANE_STATUS_INVAL;
    auto opened = std::make_unique<ScanDevice>(std::move(camera), SettingsStore());
    if (const SANE_Status status = opened->connect(); status != SANE_STATUS_GOOD)
        return status;
    *device = opened.get();
    m_open.push_back(std::move(opened));
    return SANE_STATUS_GOOD;
}

void SaneBackend::close(ScanDevice *device)
{
    std::erase_if(m_open, [device](const auto &open) { return open.get() == device; });
}

bool SaneBackend::isOpen(const void *handle) const
{
    return std::any_of(m_open.begin(), m_open.end(),
                       [handle](const auto &open) { return open.get() == handle; });
}
