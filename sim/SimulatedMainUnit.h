// SPDX-License-Identifier: MIT
#pragma once

#include "link/DeviceWatcher.h"
#include "link/FrameLayout.h"
#include "link/OperationClaim.h"
#include "link/PipeTransport.h"
#include "sim/FaultPlan.h"
#include "sim/SharedCameraLock.h"
#include "sim/SimCommandSet.h"
#include "sim/TestPattern.h"
#include "sim/TypesetSheet.h"

#include <QObject>
#include <QString>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The main unit in process, behind the same pipe interface as the real camera. It answers
// every command of the camera's vocabulary (ACK, NAK, status replies), serves its picture
// after an acknowledged "TR0  " and can be made to fail in the ways a real camera does.
//
// Faults: `unplug` lasts until `plug`, a refusal to be opened until it is lifted; the
// communication setting stays non-USB until set back (and meanwhile every control command is
// refused with NAK, as the camera does when it is not controlled over USB); `setInitializing(n)`
// covers the next n readiness queries. The others apply once, to the next operation they concern:
// the next control command is refused, the next opening of the reply or image pipe fails, the next
// command fails in the command pipe, the next image transfer is cut short at a row or loses the
// camera at a row.
//
// Plugging and unplugging are announced on deviceWatcher() from the event loop, as a hot-plug
// event would be. Handles must not outlive the unit; if they do, their transfers fail.
//
// Shared with other processes (shareThrough), the unit is claimed for each operation as the
// camera's interface is: while another process's unit on the same lock file is in an operation,
// every open is refused as Busy.
class SimulatedMainUnit : public QObject, public PipeTransport
{
    Q_OBJECT
public:
    static constexpr ColorCoefficients DefaultCoefficients{90, 113, 23, 11};
    // A device of the same maker that is not the camera.
    static constexpr char OtherDeviceKey[] = "USB\\VID_0B7E&PID_0101";

    explicit SimulatedMainUnit(QObject *parent = nullptr);
    ~SimulatedMainUnit() override;

    std::unique_ptr<PipeHandle> open(std::string_view pipeName) override;
    // While plugged in and refusing, every open fails for that reason, until set to None; while
    // another process holds the shared unit, Busy.
    CameraRefusal lastRefusal() const override
    {
        if (!m_plugged)
            return CameraRefusal::None;
        return m_refusal != CameraRefusal::None ? m_refusal : m_lastOpenRefusal;
    }
    void beginOperation() override { m_claims.beginOperation(); }
    void endOperation() override { m_claims.endOperation(); }
    // Shares the unit with the other processes that use the same lock file
    // (SharedCameraLock::defaultPath() for the program and the scanner backend); false, with
    // the reason, when the file cannot be used (the unit then stays unshared).
    bool shareThrough(const QString &lockPath, QString *error)
    {
        return m_sharedLock.open(lockPath, error);
    }
    bool isShared() const { return m_sharedLock.isOpen(); }
    void setRefusal(CameraRefusal refusal) { m_refusal = refusal; }
    DeviceWatcher &deviceWatcher() { return m_watcher; }

    // false when already in that state (nothing is announced then).
    bool plug();
    bool unplug();
    bool isPlugged() const { return m_plugged; }
    void announceOtherDevice();

    void setInitializing(int readinessQueries) { m_faults.setInitializing(readinessQueries); }
    void refuseNextCommand() { m_faults.refuseNextCommand(); }
    void setCommunicationUsb(bool usb) { m_faults.setCommunicationUsb(usb); }
    void failNextReplyPipe() { m_faults.failNextReplyPipe(); }
    void failNextImagePipe() { m_faults.failNextImagePipe(); }
    // The read of row `row` (1 to 1024) of the next transfer returns one byte short.
    bool shortenRow(int row) { return m_faults.shortenRow(row); }
    // The next command other than "QS4  " fails in the command pipe. (A failed "QS4  " only
    // reads as a camera without link; the question of readiness comes first in every exchange.)
    void failNextCommand() { m_faults.failNextCommand(); }
    // The camera vanishes during the next transfer, at the read of row `row` (1 to 1024): the
    // read fails and the removal is announced, as when the cable is pulled.
    bool unplugAtRow(int row) { return m_faults.unplugAtRow(row); }
    // Every row of the next transfer takes msPerRow (1 to 1000) milliseconds.
    bool slowNextTransfer(int msPerRow) { return m_faults.slowNextTransfer(msPerRow); }

    void setCoefficients(ColorCoefficients coefficients) { m_coefficients = coefficients; }
    ColorCoefficients coefficients() const { return m_coefficients; }
    // Serves this raw frame, verbatim and whatever the settings, instead of the built-in picture.
    // Anything but exactly RawFrameBytes is refused with a reason.
    bool loadFrame(const QString &path, QString *error);
    // Shows a sheet of typeset text instead of the built-in picture (until a frame is loaded or
    // the sheet is taken away with nullopt); the camera's settings change its picture as they
    // change the built-in one.
    void setSheet(const std::optional<SheetSetup> &setup);
    // The sheet shown, if any.
    const std::optional<TypesetSheet> &sheet() const { return m_sheet; }

    const CameraSettings &settings() const { return m_settings; }
    // As if changed with the camera's own buttons.
    void setSettings(const CameraSettings &settings) { m_settings = settings; }
    // The frame the next transfer would deliver.
    std::shared_ptr<const std::vector<std::uint8_t>> currentFrame();
    // The most recent command texts received, oldest first.
    const std::deque<std::string> &receivedCommands() const { return m_received; }
    // The commands received since the last call (at most the most recent ones kept).
    std::vector<std::string> takeNewCommands();

private:
    friend class SimCommandPipe;
    friend class SimReplyPipe;
    friend class SimImagePipe;

    void receiveCommand(const std::string &text);
    bool applyControl(const std::string &text);
    std::int64_t readImageRow(std::span<std::uint8_t> buffer);
    void endTransfer();
    void announce(DeviceEvent event, const QString &key);

    DeviceWatcher m_watcher;
    CameraSettings m_settings;
    ColorCoefficients m_coefficients = DefaultCoefficients;
    bool m_plugged = true;
    CameraRefusal m_refusal = CameraRefusal::None;
    CameraRefusal m_lastOpenRefusal = CameraRefusal::None;
    FaultPlan m_faults;
    SharedCameraLock m_sharedLock;
    OperationClaim m_claims; // after the lock: its tokens go first

    ReplyPacket m_reply{}; // the answer to the last command
    std::deque<std::string> m_received;
    std::size_t m_newCommands = 0; // at the end of m_received

    // The transfer started by an acknowledged "TR0  ".
    std::shared_ptr<const std::vector<std::uint8_t>> m_transferFrame;
    int m_rowsSent = 0;
    int m_msPerRow = 0;

    std::shared_ptr<const std::vector<std::uint8_t>> m_loadedFrame;
    std::optional<TypesetSheet> m_sheet;
    std::optional<CameraScene> m_sheetScene;
    std::map<PictureState, std::shared_ptr<const std::vector<std::uint8_t>>> m_frames;
};
