// SPDX-License-Identifier: MIT
#pragma once

#include "link/OperationClaim.h"
#include "link/PipeTransport.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

struct libusb_context;

// The camera itself over libusb. Pipe N is the N-th endpoint descriptor of interface 0 (alternate
// setting 0), counted in descriptor order: "PIPE00" the command endpoint, "PIPE01" the reply
// endpoint, "PIPE03" the image endpoint.
//
// The link opens a pipe for every single transfer; opening the device each time would cost more
// than the transfers themselves, so the device stays open between operations. Its interface is
// claimed only while an operation (PipeTransport::beginOperation), or a pipe opened outside one,
// lasts: another program (a scanner backend) can use the camera between ours, and while it
// holds the interface our open is refused as Busy. The device is dropped as soon as a transfer
// says it is gone, or when an open finds it no longer attached, and the next open finds it anew.
//
// UI thread only. Handles must not outlive the transport; if they do, their transfers fail.
class UsbTransport : public PipeTransport
{
public:
    static constexpr std::uint16_t CameraVendorId = 0x0B7E;
    static constexpr std::uint16_t CameraProductId = 0x0100;

    UsbTransport();
    ~UsbTransport() override;
    UsbTransport(const UsbTransport &) = delete;
    UsbTransport &operator=(const UsbTransport &) = delete;

    // Null when the camera is absent, cannot be opened or claimed (e.g. while its permissions
    // are still being applied after plug-in), or has no such endpoint.
    std::unique_ptr<PipeHandle> open(std::string_view pipeName) override;
    CameraRefusal lastRefusal() const override { return m_refusal; }
    void beginOperation() override { m_claims.beginOperation(); }
    void endOperation() override { m_claims.endOperation(); }

    // Whether a camera is on the bus, without opening it.
    bool isCameraOnBus() const;

    // "PIPE00" to "PIPE99": the endpoint's position in interface 0; anything else has none.
    static std::optional<int> endpointIndex(std::string_view pipeName);

private:
    class Connection;
    class Pipe;

    bool isStillAttached(const Connection &connection) const;
    std::shared_ptr<Connection> connect();
    // The interface claimed on the open device, kept while the token lives.
    OperationClaim::Token claimInterface();
    void dropConnection();

    libusb_context *m_context = nullptr;
    std::shared_ptr<Connection> m_connection;
    OperationClaim m_claims;
    CameraRefusal m_refusal = CameraRefusal::None;
};
