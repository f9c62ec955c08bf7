// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// Device-node broadcasts the program reacts to.
enum class DeviceEvent : unsigned
{
    Arrival = 0x8000,
    RemoveComplete = 0x8004,
};

// Reports the arrival and removal of USB devices with their hardware key, e.g.
// "USB\VID_0B7E&PID_0100". Backends: libusb hot-plug, the simulated main unit.
class DeviceWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void deviceChanged(DeviceEvent event, const QString &hardwareKey);
};

// The camera's hardware key. A key matches when its first 21 characters are exactly these
// (case-sensitive); whatever follows them is ignored.
inline constexpr char CameraHardwareKey[] = "USB\\VID_0B7E&PID_0100";
bool isCameraHardwareKey(const QString &hardwareKey);
