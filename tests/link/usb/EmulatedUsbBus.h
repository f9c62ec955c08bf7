// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct _UMockdevIoctlBase;
struct _UMockdevIoctlClient;
struct _UMockdevTestbed;

using Bytes = std::vector<std::uint8_t>;

struct EndpointSpec
{
    std::uint8_t address; // bit 7 set: IN
    std::uint8_t type;    // 2 bulk, 3 interrupt
    std::uint16_t maxPacket;
};

struct DeviceSpec
{
    std::uint16_t vendorId;
    std::uint16_t productId;
    std::vector<EndpointSpec> endpoints; // of interface 0, in descriptor order
};

// The camera as it appears on the bus. The endpoint addresses are not their positions, so a
// mapping by address instead of by position sends to the wrong one.
DeviceSpec cameraSpec();
inline constexpr std::uint8_t CommandEndpoint = 0x02; // bulk OUT
inline constexpr std::uint8_t ReplyEndpoint = 0x81;   // interrupt IN, 64-byte packets
inline constexpr std::uint8_t SpareEndpoint = 0x03;   // bulk OUT, unused
inline constexpr std::uint8_t ImageEndpoint = 0x86;   // bulk IN, 512-byte packets

// How usbfs names the transfer types of URBs.
inline constexpr std::uint8_t InterruptUrb = 1;
inline constexpr std::uint8_t BulkUrb = 3;

// One emulated USB device behind the kernel's usbfs interface, as libusb sees it. IN endpoints
// answer with the transfers queued for them, in order; a read that finds nothing queued waits until
// something is or until libusb gives up. Thread-safe: the ioctls arrive on the emulator's own
// thread while the test thread is blocked in a synchronous transfer.
class EmulatedUsbDevice
{
public:
    struct OutTransfer
    {
        std::uint8_t endpoint;
        std::uint8_t urbType; // USBDEVFS_URB_TYPE_*
        Bytes bytes;
    };

    explicit EmulatedUsbDevice(DeviceSpec spec);
    ~EmulatedUsbDevice();
    EmulatedUsbDevice(const EmulatedUsbDevice &) = delete;
    EmulatedUsbDevice &operator=(const EmulatedUsbDevice &) = delete;

    const DeviceSpec &spec() const { return m_spec; }

    // The device's next transfer on an IN endpoint: it ends with a short packet unless its
    // length is a whole number of packets.
    void queueIn(std::uint8_t endpoint, Bytes transfer);
    // Runs on the emulator's thread for every OUT transfer, before it completes; may queueIn.
    void setResponder(std::function<void(EmulatedUsbDevice &, const OutTransfer &)> responder);
    // The device vanishes as the n-th IN transfer on endpoint is submitted (1 = the next one):
    // that transfer fails as an unplug fails the one in flight, and everything after it finds
    // no device.
    void vanishOnInTransfer(std::uint8_t endpoint, int n);
    // The device vanishes now: pending transfers fail, later calls find no device.
    void vanish();
    // Another program holds interface 0, so claiming it is refused. Without this, a claim is
    // refused while another open file of the device (another handle, another process) holds it.
    void setInterfaceBusy(bool busy);
    // The next IN transfer on endpoint ends with a stall.
    void stallNextIn(std::uint8_t endpoint);

    std::vector<OutTransfer> outTransfers() const;
    std::vector<std::uint8_t> inUrbTypes(std::uint8_t endpoint) const;
    std::vector<std::uint8_t> clearedHalts() const;
    int openings() const; // files opened on the device node so far
    bool isClaimed() const;

    _UMockdevIoctlBase *handler() const { return m_handler; }

    // Entry points of the emulator's thread.
    void handleIoctl(_UMockdevIoctlClient *client);
    void clientConnected();

private:
    struct Urb;

    void submit(_UMockdevIoctlClient *client);
    void reap(_UMockdevIoctlClient *client);
    void discard(_UMockdevIoctlClient *client);
    void serviceLocked();
    void finishLocked(std::unique_ptr<Urb> urb, int status, const Bytes &received = {});
    void vanishLocked(int status);
    void releaseClaimLocked();
    std::uint16_t maxPacket(std::uint8_t endpoint) const;

    const DeviceSpec m_spec;
    _UMockdevIoctlBase *m_handler;
    mutable std::recursive_mutex m_mutex;
    std::map<std::uint8_t, std::deque<Bytes>> m_inQueues;
    std::map<std::uint8_t, int> m_submissionsUntilVanish;
    std::map<std::uint8_t, bool> m_stalls;
    std::deque<std::unique_ptr<Urb>> m_pending;
    std::deque<std::unique_ptr<Urb>> m_finished;
    std::function<void(EmulatedUsbDevice &, const OutTransfer &)> m_responder;
    std::vector<OutTransfer> m_out;
    std::map<std::uint8_t, std::vector<std::uint8_t>> m_inTypes;
    std::vector<std::uint8_t> m_clearedHalts;
    bool m_gone = false;
    bool m_interfaceBusy = false;
    _UMockdevIoctlClient *m_claimant = nullptr; // the open file holding interface 0; referenced
    int m_openings = 0;
};

// A private sysfs, /dev and uevent source for this process (libumockdev-preload must be
// loaded; see PreloadSelf.cpp). Devices plugged in appear to libusb at once and announce
// themselves to hot-plug listeners, as do their removals.
class EmulatedUsbBus
{
public:
    EmulatedUsbBus();
    ~EmulatedUsbBus();
    EmulatedUsbBus(const EmulatedUsbBus &) = delete;
    EmulatedUsbBus &operator=(const EmulatedUsbBus &) = delete;

    enum class NodeAccess
    {
        Open,
        Denied, // opening the device file fails with EACCES, even for root
    };

    // Each plug-in gets a new device number, as on a real bus.
    EmulatedUsbDevice &plug(const DeviceSpec &spec, NodeAccess access = NodeAccess::Open);
    // The device vanishes, then its removal is announced.
    void unplug(EmulatedUsbDevice &device);

private:
    struct Slot
    {
        std::unique_ptr<EmulatedUsbDevice> device;
        std::string sysPath;
        bool plugged = true;
    };

    _UMockdevTestbed *m_testbed;
    int m_nextDeviceNumber = 2;
    std::vector<Slot> m_slots;
};
