// SPDX-License-Identifier: MIT
#include "tests/link/usb/EmulatedUsbBus.h"

#include <umockdev.h>
// usbdevice_fs.h uses the ioctl macros without including their definitions.
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <stdexcept>
#include <unistd.h>

namespace {
constexpr std::uint8_t BulkType = 2;
constexpr std::uint8_t InterruptType = 3;

std::uint8_t low(unsigned value)
{
    return std::uint8_t(value & 0xFF);
}
std::uint8_t high(unsigned value)
{
    return std::uint8_t(value >> 8);
}

// Device descriptor, then one configuration whose interface 0 holds the endpoints.
Bytes descriptors(const DeviceSpec &spec)
{
    const auto endpoints = std::uint8_t(spec.endpoints.size());
    const unsigned total = 9 + 9 + 7 * unsigned(endpoints);
    Bytes bytes = {18,
                   1,
                   0x00,
                   0x02,
                   0xFF,
                   0,
                   0,
                   64,
                   low(spec.vendorId),
                   high(spec.vendorId),
                   low(spec.productId),
                   high(spec.productId),
                   0x00,
                   0x01,
                   0,
                   0,
                   0,
                   1};
    bytes.insert(bytes.end(), {9, 2, low(total), high(total), 1, 1, 0, 0x80, 50});
    bytes.insert(bytes.end(), {9, 4, 0, 0, endpoints, 0xFF, 0, 0, 0});
    for (const EndpointSpec &e : spec.endpoints)
        bytes.insert(bytes.end(), {7, 5, e.address, e.type, low(e.maxPacket), high(e.maxPacket),
                                   std::uint8_t(e.type == InterruptType ? 1 : 0)});
    return bytes;
}

std::string hex(const Bytes &bytes)
{
    std::string text;
    for (std::uint8_t byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", unsigned(byte));
        text += digits;
    }
    return text;
}

template<typename T>
T readData(const UMockdevIoctlData *data)
{
    T value{};
    std::memcpy(&value, data->data, std::min(sizeof value, std::size_t(data->data_len)));
    return value;
}

template<typename T>
void writeData(UMockdevIoctlData *data, const T &value)
{
    std::memcpy(data->data, &value, std::min(sizeof value, std::size_t(data->data_len)));
}

void complete(UMockdevIoctlClient *client, long result, int error)
{
    umockdev_ioctl_client_complete(client, result, error);
}

// The argument an ioctl points to, copied from the client; null when it cannot be read.
UMockdevIoctlData *resolveArgument(UMockdevIoctlClient *client, std::size_t size)
{
    GError *error = nullptr;
    UMockdevIoctlData *data =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &error);
    g_clear_error(&error);
    return data;
}

gboolean onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer device)
{
    static_cast<EmulatedUsbDevice *>(device)->handleIoctl(client);
    return TRUE;
}

void onConnected(UMockdevIoctlBase *, UMockdevIoctlClient *, gpointer device)
{
    static_cast<EmulatedUsbDevice *>(device)->clientConnected();
}

// GLib's callbacks travel as void (*)(), the one type a function pointer may be cast to
// without a warning.
template<typename Function>
GCallback asCallback(Function *function)
{
    return reinterpret_cast<GCallback>(function);
}
} // namespace

DeviceSpec cameraSpec()
{
    return {0x0B7E,
            0x0100,
            {{CommandEndpoint, BulkType, 512},
             {ReplyEndpoint, InterruptType, 64},
             {SpareEndpoint, BulkType, 512},
             {ImageEndpoint, BulkType, 512}}};
}

// A submitted URB: its copy of the client's struct, and of its buffer.
struct EmulatedUsbDevice::Urb
{
    UMockdevIoctlClient *client;
    UMockdevIoctlData *data;
    UMockdevIoctlData *buffer; // belongs to data; null for an empty buffer

    Urb(UMockdevIoctlClient *c, UMockdevIoctlData *d, UMockdevIoctlData *b)
        : client(UMOCKDEV_IOCTL_CLIENT(g_object_ref(c)))
        , data(d)
        , buffer(b)
    {}
    ~Urb()
    {
        g_object_unref(data);
        g_object_unref(client);
    }
    Urb(const Urb &) = delete;
    Urb &operator=(const Urb &) = delete;

    usbdevfs_urb fields() const { return readData<usbdevfs_urb>(data); }
    bool isIn() const { return (fields().endpoint & 0x80) != 0; }
};

EmulatedUsbDevice::EmulatedUsbDevice(DeviceSpec spec)
    : m_spec(std::move(spec))
    , m_handler(umockdev_ioctl_base_new())
{
    g_signal_connect(m_handler, "handle-ioctl", asCallback(onIoctl), this);
    g_signal_connect(m_handler, "client-connected", asCallback(onConnected), this);
}

EmulatedUsbDevice::~EmulatedUsbDevice()
{
    g_signal_handlers_disconnect_by_data(m_handler, this);
    if (m_claimant)
        g_object_unref(m_claimant);
    m_pending.clear();
    m_finished.clear();
    g_object_unref(m_handler);
}

void EmulatedUsbDevice::queueIn(std::uint8_t endpoint, Bytes transfer)
{
    std::lock_guard lock(m_mutex);
    m_inQueues[endpoint].push_back(std::move(transfer));
    serviceLocked();
}

void EmulatedUsbDevice::setResponder(
    std::function<void(EmulatedUsbDevice &, const OutTransfer &)> responder)
{
    std::lock_guard lock(m_mutex);
    m_responder = std::move(responder);
}

void EmulatedUsbDevice::vanishOnInTransfer(std::uint8_t endpoint, int n)
{
    std::lock_guard lock(m_mutex);
    m_submissionsUntilVanish[endpoint] = n;
}

void EmulatedUsbDevice::vanish()
{
    std::lock_guard lock(m_mutex);
    vanishLocked(-ESHUTDOWN);
}

void EmulatedUsbDevice::setInterfaceBusy(bool busy)
{
    std::lock_guard lock(m_mutex);
    m_interfaceBusy = busy;
}

void EmulatedUsbDevice::stallNextIn(std::uint8_t endpoint)
{
    std::lock_guard lock(m_mutex);
    m_stalls[endpoint] = true;
}

std::vector<EmulatedUsbDevice::OutTransfer> EmulatedUsbDevice::outTransfers() const
{
    std::lock_guard lock(m_mutex);
    return m_out;
}

std::vector<std::uint8_t> EmulatedUsbDevice::inUrbTypes(std::uint8_t endpoint) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_inTypes.find(endpoint);
    return it == m_inTypes.end() ? std::vector<std::uint8_t>{} : it->second;
}

std::vector<std::uint8_t> EmulatedUsbDevice::clearedHalts() const
{
    std::lock_guard lock(m_mutex);
    return m_clearedHalts;
}

int EmulatedUsbDevice::openings() const
{
    std::lock_guard lock(m_mutex);
    return m_openings;
}

bool EmulatedUsbDevice::isClaimed() const
{
    std::lock_guard lock(m_mutex);
    return m_claimant != nullptr;
}

void EmulatedUsbDevice::clientConnected()
{
    std::lock_guard lock(m_mutex);
    ++m_openings;
}

void EmulatedUsbDevice::handleIoctl(UMockdevIoctlClient *client)
{
    std::lock_guard lock(m_mutex);
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    if (m_gone && request != USBDEVFS_REAPURBNDELAY && request != USBDEVFS_REAPURB) {
        complete(client, -1, ENODEV);
        return;
    }
    switch (request) {
    case USBDEVFS_GET_CAPABILITIES:
        if (UMockdevIoctlData *caps = resolveArgument(client, sizeof(std::uint32_t))) {
            writeData(caps, std::uint32_t(USBDEVFS_CAP_BULK_CONTINUATION |
                                          USBDEVFS_CAP_NO_PACKET_SIZE_LIM));
            g_object_unref(caps);
        }
        complete(client, 0, 0);
        return;
    case USBDEVFS_DISCONNECT_CLAIM:
    case USBDEVFS_CLAIMINTERFACE:
        if (m_interfaceBusy || (m_claimant && m_claimant != client)) {
            complete(client, -1, EBUSY);
            return;
        }
        if (!m_claimant)
            m_claimant = UMOCKDEV_IOCTL_CLIENT(g_object_ref(client));
        complete(client, 0, 0);
        return;
    case USBDEVFS_RELEASEINTERFACE:
        if (client == m_claimant)
            releaseClaimLocked();
        complete(client, 0, 0);
        return;
    case USBDEVFS_CLEAR_HALT:
        if (UMockdevIoctlData *endpoint = resolveArgument(client, sizeof(unsigned))) {
            m_clearedHalts.push_back(std::uint8_t(readData<unsigned>(endpoint)));
            g_object_unref(endpoint);
        }
        complete(client, 0, 0);
        return;
    case USBDEVFS_SUBMITURB:
        submit(client);
        return;
    case USBDEVFS_REAPURBNDELAY:
    case USBDEVFS_REAPURB:
        reap(client);
        return;
    case USBDEVFS_DISCARDURB:
        discard(client);
        return;
    case USBDEVFS_GETDRIVER:
    case USBDEVFS_IOCTL:
        complete(client, -1, ENODATA); // no kernel driver is bound to detach or reattach
        return;
    default:
        complete(client, -1, ENOTTY);
        return;
    }
}

void EmulatedUsbDevice::submit(UMockdevIoctlClient *client)
{
    UMockdevIoctlData *data = resolveArgument(client, sizeof(usbdevfs_urb));
    if (!data) {
        complete(client, -1, EFAULT);
        return;
    }
    const usbdevfs_urb fields = readData<usbdevfs_urb>(data);
    UMockdevIoctlData *buffer = nullptr;
    if (fields.buffer_length > 0) {
        GError *error = nullptr;
        buffer = umockdev_ioctl_data_resolve(data, offsetof(usbdevfs_urb, buffer),
                                             std::size_t(fields.buffer_length), &error);
        g_clear_error(&error);
        if (buffer)
            g_object_unref(buffer); // data keeps it
    }
    auto urb = std::make_unique<Urb>(client, data, buffer);
    complete(client, 0, 0); // accepted; it completes when reaped

    if (!urb->isIn()) {
        OutTransfer transfer{fields.endpoint, fields.type, {}};
        if (buffer)
            transfer.bytes.assign(buffer->data, buffer->data + buffer->data_len);
        m_out.push_back(transfer);
        if (m_responder)
            m_responder(*this, transfer);
        finishLocked(std::move(urb), 0);
        return;
    }
    m_inTypes[fields.endpoint].push_back(fields.type);
    if (m_stalls[fields.endpoint]) {
        m_stalls[fields.endpoint] = false;
        finishLocked(std::move(urb), -EPIPE);
        return;
    }
    m_pending.push_back(std::move(urb));
    const auto vanishing = m_submissionsUntilVanish.find(fields.endpoint);
    if (vanishing != m_submissionsUntilVanish.end() && --vanishing->second == 0) {
        m_submissionsUntilVanish.erase(vanishing);
        // What an unplug does to the transfer in flight: a protocol error, then no device.
        vanishLocked(-EPROTO);
        return;
    }
    serviceLocked();
}

void EmulatedUsbDevice::reap(UMockdevIoctlClient *client)
{
    const auto it = std::find_if(m_finished.begin(), m_finished.end(),
                                 [client](const auto &urb) { return urb->client == client; });
    if (it == m_finished.end()) {
        complete(client, -1, m_gone ? ENODEV : EAGAIN);
        return;
    }
    // The argument is where the client wants the address of its finished URB; pointing it at
    // our copy makes umockdev write the copy (and its buffer) back on completion.
    UMockdevIoctlData *where = resolveArgument(client, sizeof(void *));
    if (!where) {
        complete(client, -1, EFAULT);
        return;
    }
    umockdev_ioctl_data_set_ptr(where, 0, (*it)->data);
    g_object_unref(where);
    m_finished.erase(it);
    complete(client, 0, 0);
}

void EmulatedUsbDevice::discard(UMockdevIoctlClient *client)
{
    const auto address = readData<unsigned long>(umockdev_ioctl_client_get_arg(client));
    const auto it = std::find_if(m_pending.begin(), m_pending.end(), [&](const auto &urb) {
        return urb->client == client && urb->data->client_addr == address;
    });
    if (it == m_pending.end()) {
        complete(client, -1, EINVAL);
        return;
    }
    std::unique_ptr<Urb> urb = std::move(*it);
    m_pending.erase(it);
    finishLocked(std::move(urb), -ENOENT);
    complete(client, 0, 0);
}

void EmulatedUsbDevice::serviceLocked()
{
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        const usbdevfs_urb fields = (*it)->fields();
        std::deque<Bytes> &queue = m_inQueues[fields.endpoint];
        if (queue.empty()) {
            ++it;
            continue;
        }
        std::unique_ptr<Urb> urb = std::move(*it);
        it = m_pending.erase(it);
        Bytes &next = queue.front();
        const auto room = std::size_t(fields.buffer_length);
        if (next.size() <= room) {
            finishLocked(std::move(urb), 0, next);
            queue.pop_front();
        } else if (room % maxPacket(fields.endpoint) == 0) {
            // The buffer ends on a packet boundary: it fills, the rest waits for the next one.
            const Bytes part(next.begin(), next.begin() + std::ptrdiff_t(room));
            next.erase(next.begin(), next.begin() + std::ptrdiff_t(room));
            finishLocked(std::move(urb), 0, part);
        } else {
            // A packet that does not fit the room left is babble: the transfer fails.
            const Bytes part(next.begin(), next.begin() + std::ptrdiff_t(room));
            finishLocked(std::move(urb), -EOVERFLOW, part);
            queue.pop_front();
        }
    }
}

void EmulatedUsbDevice::finishLocked(std::unique_ptr<Urb> urb, int status, const Bytes &received)
{
    usbdevfs_urb fields = urb->fields();
    fields.status = status;
    if (urb->isIn()) {
        const std::size_t length = urb->buffer ? std::size_t(urb->buffer->data_len) : 0;
        const std::size_t moved = std::min(received.size(), length);
        std::copy_n(received.begin(), moved, urb->buffer ? urb->buffer->data : nullptr);
        fields.actual_length = int(moved);
    } else {
        fields.actual_length = status == 0 ? fields.buffer_length : 0;
    }
    writeData(urb->data, fields);
    m_finished.push_back(std::move(urb));
}

void EmulatedUsbDevice::releaseClaimLocked()
{
    if (m_claimant)
        g_object_unref(m_claimant);
    m_claimant = nullptr;
}

void EmulatedUsbDevice::vanishLocked(int status)
{
    m_gone = true;
    releaseClaimLocked();
    while (!m_pending.empty()) {
        std::unique_ptr<Urb> urb = std::move(m_pending.front());
        m_pending.pop_front();
        finishLocked(std::move(urb), status);
    }
}

std::uint16_t EmulatedUsbDevice::maxPacket(std::uint8_t endpoint) const
{
    for (const EndpointSpec &e : m_spec.endpoints)
        if (e.address == endpoint)
            return e.maxPacket;
    return 64;
}

EmulatedUsbBus::EmulatedUsbBus()
{
    // Setting up GLib's task type starts GLib's worker thread, whose event descriptor stays open
    // for the rest of the process. Left to umockdev, its own thread does that at some moment after
    // the first plug-in, and a test counting this process's descriptors would take the newcomer
    // for a device file left open. Done here, before any test counts, it is in every count.
    g_type_ensure(G_TYPE_TASK);
    m_testbed = umockdev_testbed_new();
}

EmulatedUsbBus::~EmulatedUsbBus()
{
    g_object_unref(m_testbed);
}

EmulatedUsbDevice &EmulatedUsbBus::plug(const DeviceSpec &spec, NodeAccess access)
{
    const int number = m_nextDeviceNumber++;
    char node[32];
    std::snprintf(node, sizeof node, "bus/usb/001/%03d", number);
    auto device = std::make_unique<EmulatedUsbDevice>(spec);
    GError *error = nullptr;
    // The handler goes first: a node without one is a plain file that accepts no ioctl.
    if (!umockdev_testbed_attach_ioctl(m_testbed, (std::string("/dev/") + node).c_str(),
                                       device->handler(), &error)) {
        const std::string message = error->message;
        g_error_free(error);
        throw std::runtime_error("cannot attach the ioctl handler: " + message);
    }
    char ids[64];
    std::snprintf(ids, sizeof ids, "A: idVendor=%04x\nA: idProduct=%04x\n", unsigned(spec.vendorId),
                  unsigned(spec.productId));
    const std::string name = "1-" + std::to_string(number);
    const std::string record =
        "P: /devices/usb1/" + name + "\nN: " + node +
        "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DEVNAME=/dev/" + node +
        "\nE: BUSNUM=001\nE: DEVNUM=" + std::string(node).substr(12) +
        "\nA: busnum=1\nA: devnum=" + std::to_string(number) +
        "\nA: speed=480\nA: bConfigurationValue=1\nA: dev=189:" + std::to_string(number - 1) +
        "\n" + ids + "H: descriptors=" + hex(descriptors(spec)) + "\n";
    if (!umockdev_testbed_add_from_string(m_testbed, record.c_str(), &error)) {
        const std::string message = error->message;
        g_error_free(error);
        throw std::runtime_error("cannot add the device: " + message);
    }
    if (access == NodeAccess::Denied) {
        // A file that refuses writing to everyone, root included, in place of the device file.
        gchar *root = umockdev_testbed_get_root_dir(m_testbed); // ours to free
        const std::string file = std::string(root) + "/dev/" + node;
        g_free(root);
        if (unlink(file.c_str()) != 0 || symlink("/proc/sys/kernel/osrelease", file.c_str()) != 0)
            throw std::runtime_error("cannot deny access to " + file);
    }
    const std::string sysPath = "/sys/devices/usb1/" + name;
    // The testbed announces the device before it writes its binary descriptors; a listener
    // that read them too early dropped it, and a second announcement is ignored by one that
    // did not.
    umockdev_testbed_uevent(m_testbed, sysPath.c_str(), "add");
    m_slots.push_back({std::move(device), sysPath});
    return *m_slots.back().device;
}

void EmulatedUsbBus::unplug(EmulatedUsbDevice &device)
{
    for (Slot &slot : m_slots) {
        if (slot.device.get() != &device || !slot.plugged)
            continue;
        device.vanish();
        umockdev_testbed_uevent(m_testbed, slot.sysPath.c_str(), "remove");
        umockdev_testbed_remove_device(m_testbed, slot.sysPath.c_str());
        slot.plugged = false;
    }
}
