// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/PipeTransport.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// A camera driven by a script, for testing the link byte by byte. The reply pipe answers the
// last command written with the bytes scripted for its text; every packet written, every
// transfer and every open is recorded. Handles must not outlive the transport.
class ScriptedTransport : public PipeTransport
{
public:
    using Bytes = std::vector<std::uint8_t>;

    struct Transfer
    {
        std::string pipe;
        bool isWrite = false;
        std::size_t requested = 0;
        std::chrono::milliseconds timeout{0};
    };

    // The reply to a command text. A reply shorter than 8 bytes is a short read; a command
    // without a script is answered with nothing (0 bytes).
    void setReply(const std::string &command, Bytes reply);
    // The n-th sending of the command is answered with the n-th reply; the last one repeats.
    void setReplies(const std::string &command, std::vector<Bytes> replies);
    // A pipe that cannot be opened while set.
    void setMissing(const std::string &pipe, bool missing = true);
    // Every transfer on the pipe returns `result` while set, moving no bytes: -1 is a transfer
    // that failed or timed out, 0 or a short count one that moved less than asked.
    void forceTransferResult(const std::string &pipe, std::int64_t result);
    void clearTransferResult(const std::string &pipe);
    // The read of image row `row` (1 to 1024, counted from each open of the image pipe) returns
    // `result` instead of a whole row: a shorter count or -1.
    void setImageRowResult(int row, std::int64_t result);
    // Runs at every open, before the open is decided, so a test can change the script midway.
    void setOnOpen(std::function<void(const std::string &pipe)> hook);

    // The bytes the image pipe delivers for a row (1 to 1024): a pattern that differs per row.
    static Bytes imageRow(int row);

    // What happened.
    const std::vector<CommandPacket> &packets() const { return m_packets; }
    std::vector<std::string> commands() const;
    const std::vector<Transfer> &transfers() const { return m_transfers; }
    int openCount(const std::string &pipe) const;
    int openHandles() const { return m_openHandles; }

    std::unique_ptr<PipeHandle> open(std::string_view pipeName) override;
    // What the transport says about why the camera could not be opened.
    CameraRefusal refusal = CameraRefusal::None;
    CameraRefusal lastRefusal() const override { return refusal; }

private:
    class Handle;
    std::int64_t write(const std::string &pipe, std::span<const std::uint8_t> bytes);
    std::int64_t read(const std::string &pipe, std::span<std::uint8_t> buffer, int &rowsRead);

    std::map<std::string, std::vector<Bytes>> m_replies;
    std::map<std::string, std::size_t> m_sendings;
    std::set<std::string> m_missing;
    std::map<std::string, std::int64_t> m_forcedResults;
    std::map<int, std::int64_t> m_rowResults;
    std::function<void(const std::string &)> m_onOpen;

    Bytes m_currentReply; // the answer to the last command written
    std::vector<CommandPacket> m_packets;
    std::vector<Transfer> m_transfers;
    std::map<std::string, int> m_openCounts;
    int m_openHandles = 0;
};
