// SPDX-License-Identifier: MIT
#include "sim/SimulatedMainUnit.h"

#include <QFile>
#include <QPointer>

#include <algorithm>
#include <cstring>

namespace {
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t Nak = 0x15;
constexpr std::size_t ReceivedCommandsKept = 256;
constexpr std::size_t FramesCached = 8;

std::uint8_t digit(int value)
{
    return std::uint8_t('0' + value);
}

// A control command is two letters, one argument character and two blanks.
struct ControlCommand
{
    const char *name;
    const char *arguments; // the argument characters the camera accepts
    void (*apply)(CameraSettings &, char argument);
};

bool flag(char argument)
{
    return argument == '1';
}

constexpr ControlCommand ControlCommands[] = {
    // Motions and one-off actions the camera just carries out.
    {"ZO", "+-0", nullptr},
    {"FO", "+-0", nullptr},
    {"IR", "+-01", nullptr},
    {"AF", "0", nullptr},
    {"PM", "012345678", nullptr},
    {"TR", "0", nullptr},
    // Settings the status queries report.
    {"LL", "01",
     [](CameraSettings &s, char a) {
         s.lock = flag(a);
     }},
    {"PO", "01",
     [](CameraSettings &s, char a) {
         s.pointer = flag(a);
     }},
    {"MA", "01",
     [](CameraSettings &s, char a) {
         s.doubleZoom = flag(a);
     }},
    {"FZ", "01",
     [](CameraSettings &s, char a) {
         s.pause = flag(a);
     }},
    {"NP", "01",
     [](CameraSettings &s, char a) {
         s.negative = flag(a);
     }},
    {"CB", "01",
     [](CameraSettings &s, char a) {
         s.blackAndWhite = flag(a);
     }},
    {"GM", "01",
     [](CameraSettings &s, char a) {
         s.gammaOn = a == '0';
     }},
    {"PL", "012",
     [](CameraSettings &s, char a) {
         s.lamp = a - '0';
     }},
    {"RO", "0123",
     [](CameraSettings &s, char a) {
         s.rotation = a - '0';
     }},
    {"RS", "0123",
     [](CameraSettings &s, char a) {
         s.resolution = a - '0';
         s.rgbInput = 0;
     }},
    {"AV", "12",
     [](CameraSettings &s, char a) {
         s.rgbInput = a - '0';
     }},
};

const ControlCommand *findControl(const std::string &text)
{
    if (text.size() != 5 || text.compare(3, 2, "  ") != 0)
        return nullptr;
    for (const ControlCommand &c : ControlCommands) {
        if (text.compare(0, 2, c.name) == 0 && std::strchr(c.arguments, text[2]))
            return &c;
    }
    return nullptr;
}
} // namespace

class SimulatedMainUnit::CommandHandle : public PipeHandle
{
public:
    explicit CommandHandle(SimulatedMainUnit &unit)
        : m_unit(&unit)
    {}
    std::int64_t write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds) override
    {
        if (!m_unit || !m_unit->m_plugged)
            return -1;
        const std::size_t size = std::min<std::size_t>(bytes.size(), 8);
        const char *text = reinterpret_cast<const char *>(bytes.data());
        m_unit->receiveCommand(std::string(text, strnlen(text, size)));
        return std::int64_t(bytes.size());
    }
    std::int64_t read(std::span<std::uint8_t>, std::chrono::milliseconds) override { return -1; }

private:
    QPointer<SimulatedMainUnit> m_unit;
};

class SimulatedMainUnit::ReplyHandle : public PipeHandle
{
public:
    explicit ReplyHandle(SimulatedMainUnit &unit)
        : m_unit(&unit)
    {}
    std::int64_t write(std::span<const std::uint8_t>, std::chrono::milliseconds) override
    {
        return -1;
    }
    std::int64_t read(std::span<std::uint8_t> buffer, std::chrono::milliseconds) override
    {
        if (!m_unit || !m_unit->m_plugged)
            return -1;
        const std::size_t count = std::min(buffer.size(), m_unit->m_reply.size());
        std::copy_n(m_unit->m_reply.begin(), count, buffer.begin());
        return std::int64_t(count);
    }

private:
    QPointer<SimulatedMainUnit> m_unit;
};

class SimulatedMainUnit::ImageHandle : public PipeHandle
{
public:
    explicit ImageHandle(SimulatedMainUnit &unit)
        : m_unit(&unit)
    {}
    // Closing the image pipe ends the transfer; the rest of the frame is dropped.
    ~ImageHandle() override
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

SimulatedMainUnit::SimulatedMainUnit(QObject *parent)
    : QObject(parent)
{}

SimulatedMainUnit::~SimulatedMainUnit() = default;

std::unique_ptr<PipeHandle> SimulatedMainUnit::open(std::string_view pipeName)
{
    if (!m_plugged)
        return nullptr;
    if (pipeName == CommandPipeName)
        return std::make_unique<CommandHandle>(*this);
    if (pipeName == ReplyPipeName) {
        if (std::exchange(m_failReplyPipe, false))
            return nullptr;
        return std::make_unique<ReplyHandle>(*this);
    }
    if (pipeName == ImagePipeName) {
        if (std::exchange(m_failImagePipe, false))
            return nullptr;
        return std::make_unique<ImageHandle>(*this);
    }
    return nullptr;
}

void SimulatedMainUnit::receiveCommand(const std::string &text)
{
    m_received.push_back(text);
    if (m_received.size() > ReceivedCommandsKept)
        m_received.pop_front();

    if (text.size() == 5 && text.compare(0, 2, "QS") == 0 && text.compare(3, 2, "  ") == 0 &&
        std::strchr("0234", text[2])) {
        m_reply = answerQuery(text);
        if (text[2] == '4' && m_initializingQueries > 0)
            --m_initializingQueries;
        return;
    }
    m_reply = ReplyPacket{applyControl(text) ? Ack : Nak};
}

ReplyPacket SimulatedMainUnit::answerQuery(const std::string &text) const
{
    const CameraSettings &s = m_settings;
    switch (text[2]) {
    case '0':
        return {digit(s.lamp),    digit(s.rgbInput),   digit(s.negative), digit(s.blackAndWhite),
                digit(s.pointer), digit(s.doubleZoom), digit(s.pause),    digit(s.lock)};
    case '2':
        return {digit(s.resolution), digit(s.gammaOn ? 0 : 1), digit(s.rotation)};
    case '3':
        return {std::uint8_t(m_communicationUsb ? '0' : '1')};
    default:
        return {std::uint8_t(m_initializingQueries > 0 ? 1 : 0), m_coefficients.k0,
                m_coefficients.k1, m_coefficients.k2, m_coefficients.k3};
    }
}

bool SimulatedMainUnit::applyControl(const std::string &text)
{
    const ControlCommand *command = findControl(text);
    if (!command)
        return false;
    if (!m_communicationUsb || std::exchange(m_refuseNext, false))
        return false;
    if (command->apply)
        command->apply(m_settings, text[2]);
    if (text == "TR0  ") {
        m_transferFrame = currentFrame();
        m_rowsSent = 0;
    }
    return true;
}

std::int64_t SimulatedMainUnit::readImageRow(std::span<std::uint8_t> buffer)
{
    // Without a transfer under way the camera sends nothing, which the reader sees as a time-out.
    if (!m_plugged || !m_transferFrame || m_rowsSent >= FrameLayout::RawRows)
        return -1;
    const int row = ++m_rowsSent;
    std::size_t count = std::min(buffer.size(), FrameLayout::RawRowBytes);
    if (row == m_shortRow) {
        m_shortRow = 0;
        count = std::min(count, FrameLayout::RawRowBytes - 1);
    }
    const auto start =
        m_transferFrame->begin() + std::ptrdiff_t(row - 1) * FrameLayout::RawRowBytes;
    std::copy_n(start, count, buffer.begin());
    if (count < FrameLayout::RawRowBytes || row == FrameLayout::RawRows)
        endTransfer();
    return std::int64_t(count);
}

void SimulatedMainUnit::endTransfer()
{
    m_transferFrame.reset();
    m_rowsSent = 0;
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
    auto frame = std::make_shared<const std::vector<std::uint8_t>>(renderTestFrame(state));
    m_frames.emplace(state, frame);
    return frame;
}

bool SimulatedMainUnit::loadFrame(const QString &path, QString *error)
{
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
    return true;
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

void SimulatedMainUnit::setInitializing(int readinessQueries)
{
    m_initializingQueries = std::max(0, readinessQueries);
}

void SimulatedMainUnit::refuseNextCommand()
{
    m_refuseNext = true;
}

void SimulatedMainUnit::setCommunicationUsb(bool usb)
{
    m_communicationUsb = usb;
}

void SimulatedMainUnit::failNextReplyPipe()
{
    m_failReplyPipe = true;
}

void SimulatedMainUnit::failNextImagePipe()
{
    m_failImagePipe = true;
}

bool SimulatedMainUnit::shortenRow(int row)
{
    if (row < 1 || row > FrameLayout::RawRows)
        return false;
    m_shortRow = row;
    return true;
}
