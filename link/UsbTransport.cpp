// SPDX-License-Identifier: MIT
#include "link/UsbTransport.h"

#include "link/LinkLogging.h"

#include <algorithm>
#include <climits>
#include <libusb.h>
#include <span>
#include <vector>

namespace {
constexpr int CameraInterface = 0;
constexpr std::string_view PipePrefix = "PIPE";

struct Endpoint
{
    std::uint8_t address = 0;
    std::uint8_t type = 0; // LIBUSB_TRANSFER_TYPE_*
    std::size_t maxPacket = 1;

    bool isIn() const { return (address & LIBUSB_ENDPOINT_IN) != 0; }
};

struct FreeDeviceList
{
    void operator()(libusb_device **list) const { libusb_free_device_list(list, 1); }
};

struct FreeConfig
{
    void operator()(libusb_config_descriptor *config) const
    {
        libusb_free_config_descriptor(config);
    }
};

// libusb takes a time-out of 0 as "wait for ever", and a camera that stops answering must not
// hang the program; a time-out that has already run out still gets the shortest real wait.
unsigned int libusbTimeout(std::chrono::milliseconds timeout)
{
    return unsigned(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 1, UINT_MAX));
}

// An unplug usually shows up as an I/O error on the transfer in flight before the device
// itself is reported missing; either way the open device is of no further use.
bool meansDeviceGone(int result)
{
    return result == LIBUSB_ERROR_NO_DEVICE || result == LIBUSB_ERROR_IO;
}

CameraRefusal refusalOf(int result)
{
    switch (result) {
    case LIBUSB_ERROR_ACCESS:
        return CameraRefusal::PermissionDenied;
    case LIBUSB_ERROR_BUSY:
        return CameraRefusal::Busy;
    default:
        return CameraRefusal::None;
    }
}

bool isCamera(libusb_device *device)
{
    libusb_device_descriptor descriptor{};
    return libusb_get_device_descriptor(device, &descriptor) == LIBUSB_SUCCESS &&
           descriptor.idVendor == UsbTransport::CameraVendorId &&
           descriptor.idProduct == UsbTransport::CameraProductId;
}

// The endpoints of interface 0, alternate setting 0, in descriptor order; none when the active
// configuration has no such interface.
std::optional<std::vector<Endpoint>> cameraEndpoints(libusb_device *device)
{
    libusb_config_descriptor *raw = nullptr;
    if (libusb_get_active_config_descriptor(device, &raw) != LIBUSB_SUCCESS)
        return std::nullopt;
    const std::unique_ptr<libusb_config_descriptor, FreeConfig> config(raw);
    for (const libusb_interface &interface : std::span(config->interface, config->bNumInterfaces)) {
        for (const libusb_interface_descriptor &setting :
             std::span(interface.altsetting, std::size_t(interface.num_altsetting))) {
            if (setting.bInterfaceNumber != CameraInterface || setting.bAlternateSetting != 0)
                continue;
            std::vector<Endpoint> endpoints;
            for (const libusb_endpoint_descriptor &endpoint :
                 std::span(setting.endpoint, setting.bNumEndpoints)) {
                // Bits 11 and 12 count extra transactions per microframe, not bytes.
                const std::size_t maxPacket = endpoint.wMaxPacketSize & 0x7FF;
                endpoints.push_back(
                    {endpoint.bEndpointAddress,
                     std::uint8_t(endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK),
                     std::max<std::size_t>(maxPacket, 1)});
            }
            return endpoints;
        }
    }
    return std::nullopt;
}
} // namespace

// The open camera with its claimed interface, shared by the transport and the pipes it handed
// out, so that whichever of them learns that the device is gone can close it for all.
class UsbTransport::Connection
{
public:
    Connection(libusb_device_handle *handle, std::vector<Endpoint> endpoints)
        : m_handle(handle)
        , m_endpoints(std::move(endpoints))
    {}
    ~Connection() { close(); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Null when the device cannot be opened (LIBUSB_ERROR_ACCESS right after plug-in, while
    // its permissions are being applied, is one reason: the link's polling asks again); result
    // then holds libusb's error.
    static std::shared_ptr<Connection> open(libusb_device *device, int &result)
    {
        result = LIBUSB_ERROR_NOT_SUPPORTED;
        std::optional<std::vector<Endpoint>> endpoints = cameraEndpoints(device);
        if (!endpoints)
            return nullptr;
        libusb_device_handle *handle = nullptr;
        result = libusb_open(device, &handle);
        if (result != LIBUSB_SUCCESS) {
            qCWarning(lcLink) << "cannot open the camera:" << libusb_error_name(result);
            return nullptr;
        }
        // A kernel driver bound to the interface would keep us from claiming it; libusb gives
        // the interface back to it when we release it. Platforms without drivers to detach
        // refuse the option, which is harmless.
        libusb_set_auto_detach_kernel_driver(handle, 1);
        return std::make_shared<Connection>(handle, std::move(*endpoints));
    }

    // libusb's result: LIBUSB_ERROR_BUSY while another program holds the interface.
    int claimInterface()
    {
        if (!m_handle)
            return LIBUSB_ERROR_NO_DEVICE;
        const int result = libusb_claim_interface(m_handle, CameraInterface);
        if (result != LIBUSB_SUCCESS)
            qCWarning(lcLink) << "cannot claim the camera's interface:"
                              << libusb_error_name(result);
        m_claimed = result == LIBUSB_SUCCESS;
        return result;
    }

    void releaseInterface()
    {
        if (!m_handle || !m_claimed)
            return;
        libusb_release_interface(m_handle, CameraInterface); // fails harmlessly once unplugged
        m_claimed = false;
    }

    bool isOpen() const { return m_handle != nullptr; }
    libusb_device *device() const { return m_handle ? libusb_get_device(m_handle) : nullptr; }

    // The index-th endpoint when it is one we can transfer on (bulk or interrupt).
    std::optional<Endpoint> endpoint(int index) const
    {
        if (index < 0 || std::size_t(index) >= m_endpoints.size())
            return std::nullopt;
        const Endpoint &endpoint = m_endpoints[std::size_t(index)];
        if (endpoint.type != LIBUSB_TRANSFER_TYPE_BULK &&
            endpoint.type != LIBUSB_TRANSFER_TYPE_INTERRUPT)
            return std::nullopt;
        return endpoint;
    }

    // One transfer of length bytes; the count moved, or -1 on failure and time-out.
    std::int64_t transfer(const Endpoint &endpoint, unsigned char *data, std::size_t length,
                          std::chrono::milliseconds timeout)
    {
        if (!m_handle || length > std::size_t(INT_MAX))
            return -1;
        const auto run = endpoint.type == LIBUSB_TRANSFER_TYPE_INTERRUPT ? libusb_interrupt_transfer
                                                                         : libusb_bulk_transfer;
        int transferred = 0;
        const int result = run(m_handle, endpoint.address, data, int(length), &transferred,
                               libusbTimeout(timeout));
        if (result == LIBUSB_SUCCESS)
            return transferred;
        qCWarning(lcLink) << "transfer on endpoint" << Qt::hex << endpoint.address
                          << "failed:" << libusb_error_name(result);
        if (meansDeviceGone(result)) {
            close();
        } else if (result == LIBUSB_ERROR_PIPE) {
            // A halted endpoint refuses every later transfer until its halt is cleared.
            if (meansDeviceGone(libusb_clear_halt(m_handle, endpoint.address)))
                close();
        }
        return -1;
    }

    void close()
    {
        if (!m_handle)
            return;
        releaseInterface();
        libusb_close(m_handle);
        m_handle = nullptr;
    }

private:
    libusb_device_handle *m_handle;
    std::vector<Endpoint> m_endpoints;
    bool m_claimed = false;
};

class UsbTransport::Pipe : public PipeHandle
{
public:
    Pipe(std::shared_ptr<Connection> connection, const Endpoint &endpoint,
         OperationClaim::Token claim)
        : m_connection(std::move(connection))
        , m_endpoint(endpoint)
        , m_claim(std::move(claim))
    {}

    std::int64_t write(std::span<const std::uint8_t> bytes,
                       std::chrono::milliseconds timeout) override
    {
        if (m_endpoint.isIn())
            return -1;
        m_buffer.assign(bytes.begin(), bytes.end()); // libusb wants a mutable buffer
        return m_connection->transfer(m_endpoint, m_buffer.data(), m_buffer.size(), timeout);
    }

    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override
    {
        if (!m_endpoint.isIn())
            return -1;
        const std::size_t packet = m_endpoint.maxPacket;
        if (!buffer.empty() && buffer.size() % packet == 0)
            return m_connection->transfer(m_endpoint, buffer.data(), buffer.size(), timeout);
        // A buffer that ends inside a packet overflows when the device sends a whole one, and
        // the transfer fails: receive whole packets and keep what fits.
        m_buffer.resize(std::max<std::size_t>((buffer.size() + packet - 1) / packet, 1) * packet);
        const std::int64_t received =
            m_connection->transfer(m_endpoint, m_buffer.data(), m_buffer.size(), timeout);
        if (received < 0)
            return -1;
        const std::size_t kept = std::min(std::size_t(received), buffer.size());
        std::copy_n(m_buffer.begin(), kept, buffer.begin());
        return std::int64_t(kept);
    }

private:
    std::shared_ptr<Connection> m_connection;
    Endpoint m_endpoint;
    OperationClaim::Token m_claim; // the interface stays claimed while the pipe is open
    std::vector<unsigned char> m_buffer;
};

UsbTransport::UsbTransport()
{
    // A private context: nothing else in the process can disturb its device list or options.
    if (const int result = libusb_init(&m_context); result != LIBUSB_SUCCESS) {
        qCWarning(lcLink) << "cannot start libusb:" << libusb_error_name(result);
        m_context = nullptr;
    }
}

UsbTransport::~UsbTransport()
{
    dropConnection();
    if (m_context)
        libusb_exit(m_context);
}

std::optional<int> UsbTransport::endpointIndex(std::string_view pipeName)
{
    if (pipeName.size() != PipePrefix.size() + 2 || !pipeName.starts_with(PipePrefix))
        return std::nullopt;
    const char tens = pipeName[PipePrefix.size()];
    const char ones = pipeName[PipePrefix.size() + 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
        return std::nullopt;
    return (tens - '0') * 10 + (ones - '0');
}

std::unique_ptr<PipeHandle> UsbTransport::open(std::string_view pipeName)
{
    const std::optional<int> index = endpointIndex(pipeName);
    if (!index || !m_context)
        return nullptr;
    m_refusal = CameraRefusal::None;
    if (m_connection && !isStillAttached(*m_connection))
        dropConnection();
    if (!m_connection)
        m_connection = connect();
    if (!m_connection)
        return nullptr;
    const std::optional<Endpoint> endpoint = m_connection->endpoint(*index);
    if (!endpoint)
        return nullptr;
    OperationClaim::Token claim = m_claims.claim([this] { return claimInterface(); });
    if (!claim)
        return nullptr;
    return std::make_unique<Pipe>(m_connection, *endpoint, std::move(claim));
}

OperationClaim::Token UsbTransport::claimInterface()
{
    const std::shared_ptr<Connection> connection = m_connection;
    const int result = connection->claimInterface();
    if (result != LIBUSB_SUCCESS) {
        m_refusal = refusalOf(result);
        return nullptr;
    }
    const auto release = [connection](void *) {
        connection->releaseInterface();
    };
    return OperationClaim::Token(connection.get(), release);
}

bool UsbTransport::isCameraOnBus() const
{
    if (!m_context)
        return false;
    libusb_device **raw = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &raw);
    if (count < 0)
        return false;
    const std::unique_ptr<libusb_device *, FreeDeviceList> list(raw);
    const std::span devices(raw, std::size_t(count));
    return std::any_of(devices.begin(), devices.end(), isCamera);
}

bool UsbTransport::isStillAttached(const Connection &connection) const
{
    libusb_device *device = connection.device();
    if (!device)
        return false;
    // libusb removes an unplugged device from the list as soon as it hears of it, without
    // anyone handling its events; a replugged camera is a new device there. Our open handle
    // holds a reference, so the address cannot be reused while we compare.
    libusb_device **raw = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &raw);
    if (count < 0)
        return true; // no answer; a transfer will tell
    const std::unique_ptr<libusb_device *, FreeDeviceList> list(raw);
    const std::span devices(raw, std::size_t(count));
    return std::find(devices.begin(), devices.end(), device) != devices.end();
}

std::shared_ptr<UsbTransport::Connection> UsbTransport::connect()
{
    libusb_device **raw = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &raw);
    if (count < 0) {
        qCWarning(lcLink) << "cannot list the USB devices:" << libusb_error_name(int(count));
        return nullptr;
    }
    const std::unique_ptr<libusb_device *, FreeDeviceList> list(raw);
    for (libusb_device *device : std::span(raw, std::size_t(count))) {
        if (isCamera(device)) {
            int result = LIBUSB_SUCCESS;
            std::shared_ptr<Connection> connection = Connection::open(device, result);
            m_refusal = refusalOf(result);
            return connection;
        }
    }
    return nullptr;
}

void UsbTransport::dropConnection()
{
    m_claims.forget();
    if (m_connection)
        m_connection->close();
    m_connection.reset();
}
