// SPDX-License-Identifier: MIT
#pragma once

#include "remote/RemoteControlTable.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <string_view>

class CameraLink;
class CHoldButton;
class CToggleButton;
class QAbstractButton;
class QKeyEvent;

// Whoever opened the remote-control panel; told when the panel goes away.
class RemotePanelOwner
{
public:
    virtual ~RemotePanelOwner() = default;
    virtual void OnRemotePanelDestroyed() = 0;
};

// The modeless remote-control panel: a 330 x 480 bitmap panel whose keys send the camera's
// commands, showing the camera's settings as read when it opens.
class CRemoteControlDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 330;
    static constexpr int ClientHeight = 480;
    // Where the POSI/NEGA and COLOR/B&W captions are drawn over the background.
    static constexpr QRect NegaPosiCaption{19, 244, 63, 13};
    static constexpr QRect ColorBwCaption{95, 244, 63, 13};

    CRemoteControlDlg(CameraLink &link, RemotePanelOwner &owner, QWidget *parent);
    ~CRemoteControlDlg() override;

    // Initialises the panel (reads the camera's settings) and shows it; false when the window
    // cannot be created, in which case the caller deletes the object.
    bool Create();
    // The cancel hook: Esc, the close box, the Hide command. Tells the owner and destroys the
    // panel, which deletes itself once control returns to the event loop.
    void OnCancel();

    // The key with this id once the panel is created, else null.
    QAbstractButton *control(int id) const;
    // 0 lamps off, 1 BASE on, 2 UPPER on.
    int lampState() const { return m_lampState; }

    // Enter does nothing; the panel stays open.
    void accept() override;
    // Esc and the close box.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // The panel's keyboard keys: toggles and pushes act on the press, holds last until the
    // key's release.
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    class HandlerScope;

    void centreOnScreen();
    void createControls();
    void AssignButtonImages();
    void LayoutControls();
    void SyncWithCamera();
    void SetRadioGroup(const RemoteControl::RadioGroup &group, int index, bool oneBased);
    void UpdateArrowPad();
    void UpdateRgbDependents();
    void ReleasePause();

    void OnButtonToggled(int id);
    void OnButtonPressed(int id);
    void OnButtonReleased(int id);
    // AF and IRIS NORMAL.
    void OnPushButtonClicked(int id);
    // Ends the running motion, if any: draws its key released and sends its stop, once, unless
    // the link is down. Without the camera's verdict on the stop: whatever went wrong with this
    // motion has been reported once already.
    void endHold();
    // Releases the key held from the keyboard as its key's release would.
    void releaseKeyboardHold();
    // The event is of the keyboard key holding the held control.
    bool isHoldingKey(const QKeyEvent &event) const;

    bool sendCommand(std::string_view command);
    CToggleButton *toggle(int id) const;
    CHoldButton *hold(int id) const;
    bool isOn(int id) const;

    CameraLink &m_link;
    RemotePanelOwner &m_owner;
    int m_lampState = 0;
    std::array<QAbstractButton *, RemoteControl::ControlCount> m_controls{};
    // Handlers of ours now running; the panel is not deleted under them.
    int m_handlerDepth = 0;
    bool m_bClosing = false;
    // The hold key whose start command reached the camera and whose stop is still owed.
    int m_heldId = 0;
    // The hold key held down from the keyboard, or 0, and the keyboard key holding it (its code
    // and, where known, its scan code: a "+" typed with Shift comes back as "=" when Shift goes
    // up first).
    int m_keyHoldId = 0;
    int m_keyHoldCode = 0;
    quint32 m_keyHoldScanCode = 0;
    // That key's release, waiting for the press of an auto-repeat pair: the time of the release
    // and how long the press may take to follow it.
    static constexpr int AutoRepeatPairMs = 50;
    quint64 m_keyReleaseTime = 0;
    QTimer m_keyRelease;
};
