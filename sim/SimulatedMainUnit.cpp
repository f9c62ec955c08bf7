// SPDX-License-Identifier: MIT
#include "sim/SimulatedMainUnit.h"

#include "sim/SimPipes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
constexpr std::size_t ReceivedCommandsKept = 256;
constexpr std::size_t FramesCached = 8;
} // namespace

SimulatedMainUnit::SimulatedMainUnit(QObject *parent)
    : QObject(parent)
{}

SimulatedMainUnit::~SimulatedMainUnit() = default;

std::unique_ptr<PipeHandle> SimulatedMainUnit::open(std::string_view pipeName)
{
    m_lastOpenRefusal = CameraRefusal::None;
    if (!m_plugged || m_refusal != CameraRefusal::None)
        return nullptr;
    std::unique_ptr<PipeHandle> (*make)(SimulatedMainUnit &, OperationClaim::Token) = nullptr;
    if (pipeName == CommandPipeName)
        make = SimPipes::commandPipe;
    else if (pipeName == ReplyPipeName)
        make = SimPipes::replyPipe;
    else if (pipeName == ImagePipeName)
        make = SimPipes::imagePipe;
    if (!make)
        return nullptr;
    OperationClaim::Token claim = m_claims.claim([this] { return m_sharedLock.claim(); });
    if (!claim) {
        m_lastOpenRefusal = CameraRefusal::Busy;
        return nullptr;
    }
    if ((pipeName == ReplyPipeName && m_faults.takeReplyPipeFailure()) ||
        (pipeName == ImagePipeName && m_faults.takeImagePipeFailure()))
        return nullptr;
    return make(*this, std::move(claim));
}

void SimulatedMainUnit::receiveCommand(const std::string &text)
{
    m_received.push_back(text);
    if (m_received.size() > ReceivedCommandsKept)
        m_received.pop_front();
    m_newCommands = std::min(m_newCommands + 1, m_received.size());

    if (SimCommandSet::isStatusQuery(text)) {
        const SimCommandSet::UnitState unit{m_faults.communicationUsb(), m_faults.initializing(),
                                            m_coefficients};
        m_reply = SimCommandSet::answerStatusQuery(text, m_settings, unit);
        if (text[2] == '4')
            m_faults.countReadinessQuery();
        return;
    }
    m_reply = ReplyPacket{applyControl(text) ? SimCommandSet::Ack : SimCommandSet::Nak};
}

bool SimulatedMainUnit::applyControl(const std::string &text)
{
    const SimCommandSet::ControlCommand *command = SimCommandSet::findControl(text);
    if (!command)
        return false;
    if (!m_faults.communicationUsb() || m_faults.takeRefusal())
        return false;
    if (command->apply)
        command->apply(m_settings, text[2]);
    if (text == "TR0  ") {
        m_transferFrame = currentFrame();
        m_rowsSent = 0;
        m_msPerRow = m_faults.takeSlowTransfer();
    }
    return true;
}

std::int64_t SimulatedMainUnit::readImageRow(std::span<std::uint8_t> buffer)
{
    // Without a transfer under way the camera sends nothing, which the reader sees as a time-out.
    if (!m_plugged || !m_transferFrame || m_rowsSent >= FrameLayout::RawRows)
        return -1;
    const int row = ++m_rowsSent;
    if (m_msPerRow > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_msPerRow));
    if (m_faults.takeUnplugAtRow(row)) {
        endTransfer();
        unplug();
        return -1;
    }
    std::size_t count = std::min(buffer.size(), FrameLayout::RawRowBytes);
    if (m_faults.takeShortRow(row))
        count = std::min(count, FrameLayout::RawRowBytes - 1);
    const auto start =
        m_transferFrame->begin() + std::ptrdiff_t(row - 1) * FrameLayout::RawRowBytes;
    std::copy_n(start, count, buffer.begin());
    if (count < FrameLayout::RawRowBytes || row == FrameLayout::RawRows)
        endTransfer();
    return std::int64_t(count);
}

std::vector<std::string> SimulatedMainUnit::takeNewCommands()
{
    std::vector<std::string> commands(m_received.end() - std::ptrdiff_t(m_newCommands),
                                      m_received.end());
    m_newCommands = 0;
    return commands;
}

void SimulatedMainUnit::endTransfer()
{
    m_transferFrame.reset();
    m_rowsSent = 0;
    m_msPerRow = 0;
}

std::shared_ptr<const std::vector<std::uint8_t>> SimulatedMainUnit::currentFrame()
{
    if (m_loadedFrame)
        return m_loadedFrame;
    const PictureState state{m_settings.lamp, m_settings.rotation, m_settings.negative,
                             m_settings.blackAndWhite};
    auto cached = m_frames.find(state);
    if (cached != m_frames.end())
        return cached->second;
    if (m_frames.size() >= FramesCached)
        m_frames.clear();
    auto frame = std::make_shared<const std::vector<std::uint8_t>>(
        m_sheetScene ? renderFrame(*m_sheetScene, state) : renderTestFrame(state));
    m_frames.emplace(state, frame);
    return frame;
}

bool SimulatedMainUnit::loadFrame(const QString &path, QString *error)
{
    // Opening a FIFO or a device waits for a writer or reads without end: only regular files.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        *error = QStringLiteral("%1 is not a regular file").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    // Checked before reading, so a huge file is not read into memory.
    if (file.size() != qint64(FrameLayout::RawFrameBytes)) {
        *error = QStringLiteral("%1 holds %2 bytes; a raw frame is exactly %3 bytes")
                     .arg(path)
                     .arg(file.size())
                     .arg(FrameLayout::RawFrameBytes);
        return false;
    }
    std::vector<std::uint8_t> bytes(FrameLayout::RawFrameBytes);
    if (file.read(reinterpret_cast<char *>(bytes.data()), qint64(bytes.size())) !=
        qint64(bytes.size())) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    m_loadedFrame = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    setSheet(std::nullopt);
    return true;
}

void SimulatedMainUnit::setSheet(const std::optional<SheetSetup> &setup)
{
    m_frames.clear();
    m_sheet.reset();
    m_sheetScene.reset();
    if (!setup)
        return;
    m_loadedFrame.reset();
    m_sheet = typesetSheet(*setup);
    m_sheetScene.emplace(m_sheet->picture);
}

bool SimulatedMainUnit::plug()
{
    if (m_plugged)
        return false;
    m_plugged = true;
    announce(DeviceEvent::Arrival, QString::fromLatin1(CameraHardwareKey));
    return true;
}

bool SimulatedMainUnit::unplug()
{
    if (!m_plugged)
        return false;
    m_plugged = false;
    endTransfer();
    announce(DeviceEvent::RemoveComplete, QString::fromLatin1(CameraHardwareKey));
    return true;
}

void SimulatedMainUnit::announceOtherDevice()
{
    announce(DeviceEvent::Arrival, QString::fromLatin1(OtherDeviceKey));
}

void SimulatedMainUnit::announce(DeviceEvent event, const QString &key)
{
    // Queued, with the watcher as context: the announcement is dropped if the unit goes first.
    QMetaObject::invokeMethod(
        &m_watcher, [this, event, key] { Q_EMIT m_watcher.deviceChanged(event, key); },
        Qt::QueuedConnection);
}
