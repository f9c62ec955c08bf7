// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/MemoryBlock.h"
#include "link/PipeTransport.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What the link tells the user: a numbered message (code 1 to 11, LinkError) with its text in
// the user's language, or a warning without a number (code 0). The details, when there are
// any, say which file and why.
struct LinkMessage
{
    int code = 0;
    QString text;
    QString details;
};

// What the link needs from whoever drives it: the main window, or a caller without one (the
// headless capture, a scanner backend).
class LinkHost
{
public:
    virtual ~LinkHost() = default;
    // The view's m_bNoLink: while the camera is taken to be unreachable, a missing command pipe
    // is not reported again.
    virtual bool isLinkMarkedDown() const = 0;
    // Closes the remote-control panel if one is open (after a failed send, a non-USB setting).
    virtual void CloseRemotePanel() = 0;
    // Presents a message at the moment it arises: the window shows a modal box and returns its
    // result; a caller without a window keeps the message for its own report.
    virtual int presentLinkMessage(const LinkMessage &message) = 0;
};

// The only path to the camera: fixed 8-byte command and reply packets, the image block, the
// acknowledgement check and the numbered error messages, which its host presents. Every
// transfer opens its pipe and closes it again; nothing persists between calls.
class CameraLink
{
public:
    // Time-outs: a camera that stops answering fails the transfer instead of freezing us.
    static constexpr std::chrono::milliseconds CommandTimeout{3000};
    static constexpr std::chrono::milliseconds ReplyTimeout{3000};
    static constexpr std::chrono::milliseconds ImageRowTimeout{5000};

    // Rows of the image read so far, 1 to 1024, after each row (the status bar's progress bar).
    using TransferProgress = std::function<void(int rows)>;

    // The camera is ours alone while one lasts (PipeTransport::beginOperation): around every
    // exchange of a command and its answer, and around a whole capture.
    class Operation
    {
    public:
        explicit Operation(CameraLink &link)
            : m_transport(link.m_transport)
        {
            m_transport.beginOperation();
        }
        ~Operation() { m_transport.endOperation(); }
        Operation(const Operation &) = delete;
        Operation &operator=(const Operation &) = delete;

    private:
        PipeTransport &m_transport;
    };

    CameraLink(PipeTransport &transport, LinkHost &host);

    std::unique_ptr<PipeHandle> OpenPipe(std::string_view pipeName);
    // Writes one command packet; false when the command pipe cannot be opened.
    bool SendCommand(std::string_view commandText);
    // Zeroes the packet and reads one reply; false when the reply pipe cannot be opened.
    bool ReadReply(ReplyPacket &packet);
    // Reads the reply to the command just sent: true for ACK; after a NAK asks "QS3  " why.
    bool CheckAck();
    // Fills block (at least RawFrameBytes) with 1024 rows from the image pipe, reporting progress
    // after every row; true only when every row arrived whole.
    bool ReadImageBlock(MemoryBlock &block, const TransferProgress &progress = {});
    // Has the host present message code, with details (the file and the system's reason, say)
    // when given; returns the host's result, or 0 without presenting anything for a code that
    // has no message.
    int ShowLinkError(int code, const QString &details = QString());

    // Why the camera was on the bus but could not be opened at the last attempt.
    CameraRefusal lastRefusal() const { return m_transport.lastRefusal(); }
    // Tells the user, in a warning of its own, why the camera cannot be used and what to do.
    void explainRefusal(CameraRefusal refusal);
    // That explanation; empty for CameraRefusal::None.
    static QString refusalExplanation(CameraRefusal refusal);
    // The owner takes the camera to be unreachable: a command now would only fail.
    bool isLinkMarkedDown() const { return m_host.isLinkMarkedDown(); }

    // A motion's stop that could not reach the camera (it was unplugged while the key was held)
    // is owed until the camera answers again: then it is sent, once, so that a camera that kept
    // its motion through the unplug stops.
    void oweStop(std::string_view command) { m_owedStop = command; }
    // Sends the owed stop, if any; it stays owed while it cannot be sent.
    void sendOwedStop();

    // The packet that carries a command text (at most 7 characters).
    static CommandPacket makeCommandPacket(std::string_view commandText);

private:
    PipeTransport &m_transport;
    LinkHost &m_host;
    std::string m_owedStop;
};
