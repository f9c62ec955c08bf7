// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

// The camera driver exposes three pipes. Each operation opens its pipe, makes exactly one
// transfer and closes it again, so no handle outlives the call that needed it.
inline constexpr std::string_view CommandPipeName = "PIPE00";
inline constexpr std::string_view ReplyPipeName = "PIPE01";
inline constexpr std::string_view ImagePipeName = "PIPE03";

// One open pipe. Destroying it closes it.
class PipeHandle
{
public:
    virtual ~PipeHandle() = default;

    // One transfer each. The result is the number of bytes moved, or -1 when the transfer failed
    // or did not complete within the time-out (a camera that stops answering must not hang us).
    virtual std::int64_t write(std::span<const std::uint8_t> bytes,
                               std::chrono::milliseconds timeout) = 0;
    virtual std::int64_t read(std::span<std::uint8_t> buffer,
                              std::chrono::milliseconds timeout) = 0;
};

// Why a camera that is on the bus could not be opened.
enum class CameraRefusal
{
    None,             // it opened, or it is not there at all
    PermissionDenied, // this user may not open its device file
    Busy,             // another program holds it
};

// A way to reach the camera's pipes: the simulated main unit, the camera over libusb, or the
// Windows driver's device files. Everything above this interface is the same for all of them.
class PipeTransport
{
public:
    virtual ~PipeTransport() = default;

    // Opens a pipe by name ("PIPE00", "PIPE01", "PIPE03"); null when it is not available
    // (camera absent, driver not loaded).
    virtual std::unique_ptr<PipeHandle> open(std::string_view pipeName) = 0;

    // Why the last open found the camera but could not use it; transports that cannot tell
    // always answer None.
    virtual CameraRefusal lastRefusal() const { return CameraRefusal::None; }

    // One exchange with the camera (a command and its answer, a whole capture), which must not
    // be interleaved with another process's. A transport whose camera other processes share
    // keeps it claimed from the first pipe opened inside until the outermost operation ends,
    // and refuses an open as Busy while another process's operation runs. Operations nest.
    virtual void beginOperation() {}
    virtual void endOperation() {}
};
