// SPDX-License-Identifier: MIT
#include "sim/SimPipes.h"

#include "sim/SimulatedMainUnit.h"

#include <QPointer>

#include <algorithm>
#include <cstring>

class SimCommandPipe : public PipeHandle
{
public:
    explicit SimCommandPipe(SimulatedMainUnit &unit)
        : m_unit(&unit)
    {}
    std::int64_t write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds) override
    {
        if (!m_unit || !m_unit->isPlugged())
            return -1;
        const std::size_t size = std::min<std::size_t>(bytes.size(), 8);
        const char *text = reinterpret_cast<const char *>(bytes.data());
        const std::string command(text, strnlen(text, size));
        if (command != "QS4  " && m_unit->m_faults.takeCommandFailure())
            return -1;
        m_unit->receiveCommand(command);
        return std::int64_t(bytes.size());
    }
    std::int64_t read(std::span<std::uint8_t>, std::chrono::milliseconds) override { return -1; }

private:
    QPointer<SimulatedMainUnit> m_unit;
};

class SimReplyPipe : public PipeHandle
{
public:
    explicit SimReplyPipe(SimulatedMainUnit &unit)
        : m_unit(&unit)
    {}
    std::int64_t write(std::span<const std::uint8_t>, std::chrono::milliseconds) override
    {
        return -1;
    }
    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds) override
    {
        if (!m_unit || !m_unit->isPlugged())
            return -1;
        const ReplyPacket &reply = m_unit->m_reply;
        const std::size_t count = std::min(buffer.size(), reply.size());
        std::copy_n(reply.begin(), count, buffer.begin());
        return std::int64_t(count);
    }

private:
    QPointer<SimulatedMainUnit> m_unit;
};

class SimImagePipe : public PipeHandle
{
public:
    explicit SimImagePipe(SimulatedMainUnit &unit)
        : m_unit(&unit)
    {}
    ~SimImagePipe() override
    {
        if (m_unit)
            m_unit->endTransfer();
    }
    std::int64_t write(std::span<const std::uint8_t>, std::chrono::milliseconds) override
    {
        return -1;
    }
    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds) override
    {
        return m_unit ? m_unit->readImageRow(buffer) : -1;
    }

private:
    QPointer<SimulatedMainUnit> m_unit;
};

namespace {
// A pipe that keeps the unit claimed until it is closed.
class ClaimedPipe : public PipeHandle
{
public:
    ClaimedPipe(std::unique_ptr<PipeHandle> pipe, OperationClaim::Token claim)
        : m_claim(std::move(claim))
        , m_pipe(std::move(pipe))
    {}
    std::int64_t write(std::span<const std::uint8_t> bytes,
                       std::chrono::milliseconds timeout) override
    {
        return m_pipe->write(bytes, timeout);
    }
    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override
    {
        return m_pipe->read(buffer, timeout);
    }

private:
    OperationClaim::Token m_claim;
    std::unique_ptr<PipeHandle> m_pipe; // closed before the claim goes
};

std::unique_ptr<PipeHandle> claimed(std::unique_ptr<PipeHandle> pipe, OperationClaim::Token claim)
{
    return std::make_unique<ClaimedPipe>(std::move(pipe), std::move(claim));
}
} // namespace

namespace SimPipes {
std::unique_ptr<PipeHandle> commandPipe(SimulatedMainUnit &unit, OperationClaim::Token claim)
{
    return claimed(std::make_unique<SimCommandPipe>(unit), std::move(claim));
}

std::unique_ptr<PipeHandle> replyPipe(SimulatedMainUnit &unit, OperationClaim::Token claim)
{
    return claimed(std::make_unique<SimReplyPipe>(unit), std::move(claim));
}

std::unique_ptr<PipeHandle> imagePipe(SimulatedMainUnit &unit, OperationClaim::Token claim)
{
    return claimed(std::make_unique<SimImagePipe>(unit), std::move(claim));
}
} // namespace SimPipes
