// SPDX-License-Identifier: MIT
#include "link/UsbDeviceWatcher.h"

#include "tests/TestSupport.h"
#include "tests/link/usb/EmulatedUsbBus.h"

#include <QCoreApplication>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {
struct Event
{
    DeviceEvent event;
    QString key;
    bool onWatcherThread;

    friend bool operator==(const Event &, const Event &) = default;
};

void PrintTo(const Event &e, std::ostream *out)
{
    *out << (e.event == DeviceEvent::Arrival ? "arrival " : "removal ") << e.key.toStdString()
         << (e.onWatcherThread ? "" : " (on another thread)");
}

const QString CameraKey = QString::fromLatin1(CameraHardwareKey);

// Records every report as it is emitted (a direct connection), with the thread it came on.
class EventLog
{
public:
    explicit EventLog(UsbDeviceWatcher &watcher)
    {
        QObject::connect(
            &watcher, &DeviceWatcher::deviceChanged,
            [this, &watcher](DeviceEvent event, const QString &key) {
                m_events.push_back({event, key, QThread::currentThread() == watcher.thread()});
            });
    }

    const std::vector<Event> &events() const { return m_events; }
    bool waitFor(std::size_t count)
    {
        return waitUntil([&] { return m_events.size() >= count; });
    }

private:
    std::vector<Event> m_events;
};

class UsbDeviceWatcherTest : public ::testing::Test
{
protected:
    EmulatedUsbBus m_bus;
    UsbDeviceWatcher m_watcher;
    EventLog m_log{m_watcher};
};

TEST_F(UsbDeviceWatcherTest, ReportsTheCameraArrivingAndLeavingOnItsOwnThread)
{
    ASSERT_TRUE(m_watcher.isWatching());
    EmulatedUsbDevice &camera = m_bus.plug(cameraSpec());
    ASSERT_TRUE(m_log.waitFor(1));
    m_bus.unplug(camera);
    ASSERT_TRUE(m_log.waitFor(2));
    // Emitted from a queued call on the watcher's thread, never from inside libusb's callback
    // on its event thread, where the receiver could not use libusb.
    EXPECT_THAT(m_log.events(), ElementsAre(Event{DeviceEvent::Arrival, CameraKey, true},
                                            Event{DeviceEvent::RemoveComplete, CameraKey, true}));
    EXPECT_TRUE(isCameraHardwareKey(m_log.events()[0].key));
}

TEST_F(UsbDeviceWatcherTest, ReportsOtherDevicesWithTheirOwnUpperCaseKeys)
{
    EmulatedUsbDevice &other = m_bus.plug({0x0ABC, 0x00EF, cameraSpec().endpoints});
    m_bus.plug({0x0B7E, 0x0101, cameraSpec().endpoints});
    ASSERT_TRUE(m_log.waitFor(2));
    m_bus.unplug(other);
    ASSERT_TRUE(m_log.waitFor(3));
    const QString otherKey = QStringLiteral("USB\\VID_0ABC&PID_00EF");
    EXPECT_THAT(m_log.events(), ElementsAre(Event{DeviceEvent::Arrival, otherKey, true},
                                            Event{DeviceEvent::Arrival,
                                                  QStringLiteral("USB\\VID_0B7E&PID_0101"), true},
                                            Event{DeviceEvent::RemoveComplete, otherKey, true}));
    for (const Event &e : m_log.events())
        EXPECT_FALSE(isCameraHardwareKey(e.key)) << e.key.toStdString();
}

TEST(UsbDeviceWatcherStart, DoesNotReportDevicesAlreadyPresent)
{
    EmulatedUsbBus bus;
    bus.plug(cameraSpec());
    UsbDeviceWatcher watcher;
    EventLog log(watcher);
    bus.plug({0x1234, 0x5678, {}});
    ASSERT_TRUE(log.waitFor(1));
    QCoreApplication::processEvents(); // anything queued behind it
    EXPECT_THAT(log.events(), ElementsAre(Event{DeviceEvent::Arrival,
                                                QStringLiteral("USB\\VID_1234&PID_5678"), true}));
}

} // namespace
