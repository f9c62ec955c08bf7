// SPDX-License-Identifier: MIT
#include "link/CameraLink.h"

#include "link/CameraCommandTexts.h"
#include "link/LinkError.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;
// Byte 0 of the "QS3  " reply when the camera is set to communicate over something else.
constexpr std::uint8_t NotUsbSetting = '1';
} // namespace

CameraLink::CameraLink(PipeTransport &transport, LinkHost &host)
    : m_transport(transport)
    , m_host(host)
{}

std::unique_ptr<PipeHandle> CameraLink::OpenPipe(std::string_view pipeName)
{
    return m_transport.open(pipeName);
}

CommandPacket CameraLink::makeCommandPacket(std::string_view commandText)
{
    CommandPacket packet{};
    // Byte 7 always stays zero, so the text keeps its terminating zero even if a caller breaks
    // the seven-character promise.
    const std::size_t length = std::min(commandText.size(), packet.size() - 1);
    std::copy_n(commandText.begin(), length, packet.begin());
    return packet;
}

bool CameraLink::SendCommand(std::string_view commandText)
{
    const CommandPacket packet = makeCommandPacket(commandText);
    bool sent = false;
    if (auto pipe = OpenPipe(CommandPipeName)) {
        // The byte count is not examined; only a transfer that failed or timed out counts.
        sent = pipe->write(packet, CommandTimeout) >= 0;
    }
    if (sent)
        return true;
    // A camera that another program holds for the moment is not gone: the user hears why, and
    // the panel stays open for when it is free again.
    if (lastRefusal() == CameraRefusal::Busy) {
        if (!m_host.isLinkMarkedDown())
            explainRefusal(CameraRefusal::Busy);
        return false;
    }
    if (!m_host.isLinkMarkedDown())
        ShowLinkError(int(LinkError::TransmitFailed));
    m_host.CloseRemotePanel();
    return false;
}

bool CameraLink::ReadReply(ReplyPacket &packet)
{
    packet.fill(0);
    bool received = false;
    if (auto pipe = OpenPipe(ReplyPipeName)) {
        // A short read leaves the remaining bytes zero; the count itself is not examined.
        received = pipe->read(packet, ReplyTimeout) >= 0;
    }
    if (received)
        return true;
    // Whatever a failed transfer may have left in the buffer is not a reply.
    packet.fill(0);
    ShowLinkError(int(LinkError::ReceiveFailed));
    return false;
}

void CameraLink::sendOwedStop()
{
    if (m_owedStop.empty())
        return;
    const Operation operation(*this);
    const std::string stop = std::exchange(m_owedStop, {});
    if (!SendCommand(stop)) {
        m_owedStop = stop;
        return;
    }
    // Whatever the camera says to it: the motion it stops is long over for the user.
    ReplyPacket acknowledgement{};
    ReadReply(acknowledgement);
}

bool CameraLink::CheckAck()
{
    ReplyPacket reply{};
    ReadReply(reply); // a failed read leaves zeros, which are no acknowledgement
    if (reply[0] == Ack)
        return true;
    if (reply[0] != Nak)
        return false;

    // The camera refused: ask why, to tell a camera set up for another connection from a
    // failed exchange.
    SendCommand(CameraCommands::CommunicationQuery);
    ReplyPacket why{};
    ReadReply(why);
    if (why[0] == NotUsbSetting) {
        ShowLinkError(int(LinkError::NotUsbSetting));
        m_host.CloseRemotePanel();
    } else {
        ShowLinkError(int(LinkError::CommunicationFailed));
    }
    return false;
}

bool CameraLink::ReadImageBlock(MemoryBlock &block, const TransferProgress &progress)
{
    using namespace FrameLayout;
    // A block too small for the frame would be written past its end.
    if (block.isNull() || block.size() < RawFrameBytes) {
        ShowLinkError(int(LinkError::CaptureFailed));
        return false;
    }
    auto pipe = OpenPipe(ImagePipeName);
    if (!pipe) {
        ShowLinkError(int(LinkError::CaptureFailed));
        return false;
    }
    // One read per row, so the progress bar can move after each of them.
    for (int row = 1; row <= RawRows; ++row) {
        const std::span<std::uint8_t> rowBytes =
            block.bytes().subspan(std::size_t(row - 1) * RawRowBytes, RawRowBytes);
        if (pipe->read(rowBytes, ImageRowTimeout) != std::int64_t(RawRowBytes)) {
            pipe.reset();
            ShowLinkError(int(LinkError::CaptureFailed));
            return false;
        }
        if (progress)
            progress(row);
    }
    return true;
}

QString CameraLink::refusalExplanation(CameraRefusal refusal)
{
    switch (refusal) {
    case CameraRefusal::PermissionDenied:
        return QCoreApplication::translate(
            "CameraLink",
            "The main unit is plugged in, but this user may not use it (permission denied).\n\n"
            "The udev rule 70-quillon-camera.rules gives the logged-in user access to the main "
            "unit. Make sure it is installed (the package puts it in /usr/lib/udev/rules.d; "
            "otherwise copy it to /etc/udev/rules.d), then unplug the main unit and plug it in "
            "again.");
    case CameraRefusal::Busy:
        return QCoreApplication::translate(
            "CameraLink",
            "The main unit is plugged in, but another program is using it.\n\n"
            "Close the other program that uses the main unit. Quillon for USB connects to the "
            "main unit as soon as it is free.");
    case CameraRefusal::None:
        break;
    }
    return {};
}

void CameraLink::explainRefusal(CameraRefusal refusal)
{
    const QString text = refusalExplanation(refusal);
    if (!text.isEmpty())
        m_host.presentLinkMessage({0, text, {}});
}

int CameraLink::ShowLinkError(int code, const QString &details)
{
    const std::optional<LinkErrorRow> row = findLinkError(code);
    if (!row)
        return 0;
    return m_host.presentLinkMessage({code, linkErrorText(*row), details});
}
