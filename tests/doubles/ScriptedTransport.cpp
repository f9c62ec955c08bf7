// SPDX-License-Identifier: MIT
#include "tests/doubles/ScriptedTransport.h"

#include <algorithm>
#include <cstring>

class ScriptedTransport::Handle : public PipeHandle
{
public:
    Handle(ScriptedTransport &owner, std::string pipe)
        : m_owner(owner)
        , m_pipe(std::move(pipe))
    {
        ++m_owner.m_openHandles;
    }
    ~Handle() override { --m_owner.m_openHandles; }

    std::int64_t write(std::span<const std::uint8_t> bytes,
                       std::chrono::milliseconds timeout) override
    {
        m_owner.m_transfers.push_back({m_pipe, true, bytes.size(), timeout});
        return m_owner.write(m_pipe, bytes);
    }
    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override
    {
        m_owner.m_transfers.push_back({m_pipe, false, buffer.size(), timeout});
        return m_owner.read(m_pipe, buffer, m_rowsRead);
    }

private:
    ScriptedTransport &m_owner;
    std::string m_pipe;
    int m_rowsRead = 0;
};

void ScriptedTransport::setReply(const std::string &command, Bytes reply)
{
    setReplies(command, {std::move(reply)});
}

void ScriptedTransport::setReplies(const std::string &command, std::vector<Bytes> replies)
{
    m_replies[command] = std::move(replies);
    m_sendings[command] = 0;
}

void ScriptedTransport::setMissing(const std::string &pipe, bool missing)
{
    if (missing)
        m_missing.insert(pipe);
    else
        m_missing.erase(pipe);
}

void ScriptedTransport::forceTransferResult(const std::string &pipe, std::int64_t result)
{
    m_forcedResults[pipe] = result;
}

void ScriptedTransport::clearTransferResult(const std::string &pipe)
{
    m_forcedResults.erase(pipe);
}

void ScriptedTransport::setImageRowResult(int row, std::int64_t result)
{
    m_rowResults[row] = result;
}

void ScriptedTransport::setOnOpen(std::function<void(const std::string &)> hook)
{
    m_onOpen = std::move(hook);
}

ScriptedTransport::Bytes ScriptedTransport::imageRow(int row)
{
    Bytes bytes(FrameLayout::RawRowBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(row * 7 + int(i));
    return bytes;
}

std::vector<std::string> ScriptedTransport::commands() const
{
    std::vector<std::string> texts;
    for (const CommandPacket &packet : m_packets)
        texts.emplace_back(reinterpret_cast<const char *>(packet.data()),
                           strnlen(reinterpret_cast<const char *>(packet.data()), packet.size()));
    return texts;
}

int ScriptedTransport::openCount(const std::string &pipe) const
{
    auto it = m_openCounts.find(pipe);
    return it == m_openCounts.end() ? 0 : it->second;
}

std::unique_ptr<PipeHandle> ScriptedTransport::open(std::string_view pipeName)
{
    const std::string pipe(pipeName);
    ++m_openCounts[pipe];
    if (m_onOpen)
        m_onOpen(pipe);
    if (m_missing.count(pipe))
        return nullptr;
    return std::make_unique<Handle>(*this, pipe);
}

std::int64_t ScriptedTransport::write(const std::string &pipe, std::span<const std::uint8_t> bytes)
{
    if (auto forced = m_forcedResults.find(pipe); forced != m_forcedResults.end())
        return forced->second;
    CommandPacket packet{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), packet.size()), packet.begin());
    m_packets.push_back(packet);
    const std::string command(
        reinterpret_cast<const char *>(packet.data()),
        strnlen(reinterpret_cast<const char *>(packet.data()), packet.size()));
    m_currentReply.clear();
    auto replies = m_replies.find(command);
    if (replies != m_replies.end() && !replies->second.empty()) {
        std::size_t &sending = m_sendings[command];
        m_currentReply = replies->second[std::min(sending, replies->second.size() - 1)];
        ++sending;
    }
    return std::int64_t(bytes.size());
}

std::int64_t ScriptedTransport::read(const std::string &pipe, std::span<std::uint8_t> buffer,
                                     int &rowsRead)
{
    if (auto forced = m_forcedResults.find(pipe); forced != m_forcedResults.end())
        return forced->second;
    if (pipe == ImagePipeName) {
        const int row = ++rowsRead;
        const Bytes bytes = imageRow(row);
        const std::size_t whole = std::min(buffer.size(), bytes.size());
        auto scripted = m_rowResults.find(row);
        const std::int64_t result =
            scripted == m_rowResults.end() ? std::int64_t(whole) : scripted->second;
        std::copy_n(bytes.begin(), std::clamp<std::int64_t>(result, 0, std::int64_t(whole)),
                    buffer.begin());
        return result;
    }
    const std::size_t count = std::min(buffer.size(), m_currentReply.size());
    std::copy_n(m_currentReply.begin(), count, buffer.begin());
    return std::int64_t(count);
}
