// SPDX-License-Identifier: MIT
#include "sane/CancellableTransport.h"

class CancellableTransport::Pipe : public PipeHandle
{
public:
    Pipe(std::unique_ptr<PipeHandle> pipe, const CancellableTransport &transport)
        : m_pipe(std::move(pipe))
        , m_transport(transport)
    {}

    std::int64_t write(std::span<const std::uint8_t> bytes,
                       std::chrono::milliseconds timeout) override
    {
        return m_transport.isCancelled() ? -1 : m_pipe->write(bytes, timeout);
    }
    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override
    {
        return m_transport.isCancelled() ? -1 : m_pipe->read(buffer, timeout);
    }

private:
    std::unique_ptr<PipeHandle> m_pipe;
    const CancellableTransport &m_transport;
};

std::unique_ptr<PipeHandle> CancellableTransport::open(std::string_view pipeName)
{
    std::unique_ptr<PipeHandle> pipe = m_camera.open(pipeName);
    if (!pipe)
        return nullptr;
    return std::make_unique<Pipe>(std::move(pipe), *this);
}
