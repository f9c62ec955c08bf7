// SPDX-License-Identifier: MIT
// The remote panel's held keys, from the mouse and from the keyboard, and its keyboard keys.
#include "link/CameraLink.h"
#include "remote/CHoldButton.h"
#include "remote/CRemoteControlDlg.h"
#include "remote/CRemoteControlDlgScope.h"
#include "remote/CToggleButton.h"
#include "remote/PanelKeys.h"

#include <QKeyEvent>
#include <QPointer>

using namespace RemoteControl;

void CRemoteControlDlg::OnButtonPressed(int id)
{
    const ControlRow *row = findControl(id);
    if (!row || row->kind != ButtonKind::Hold)
        return;
    const HandlerScope scope(*this);
    // One motion at a time: a key held from the keyboard and one from the mouse.
    endHold();
    if (!scope.panelAlive())
        return;
    {
        const CameraLink::Operation operation(m_link);
        const bool reached = m_link.SendCommand(row->press);
        if (!scope.panelAlive())
            return;
        if (reached) {
            m_heldId = id;
            if (m_link.CheckAck())
                return;
            if (!scope.panelAlive())
                return;
        }
    }
    // A message box has been open: the button-up it swallowed will not come.
    endHold();
    if (scope.panelAlive())
        hold(id)->showReleased();
}

void CRemoteControlDlg::OnButtonReleased(int id)
{
    // Only the motion still running is stopped: one ended after a failure has had its stop.
    if (id != m_heldId)
        return;
    const HandlerScope scope(*this);
    m_heldId = 0;
    const std::string_view stop = findControl(id)->release;
    const CameraLink::Operation operation(m_link);
    if (m_link.SendCommand(stop))
        m_link.CheckAck();
    else
        m_link.oweStop(stop);
}

void CRemoteControlDlg::endHold()
{
    const int id = std::exchange(m_heldId, 0);
    if (id == 0)
        return;
    // The keyboard key's release may never come (a message box took the keyboard); it is owed
    // nothing now.
    if (m_keyHoldId == id) {
        m_keyHoldId = 0;
        m_keyHoldCode = 0;
        m_keyHoldScanCode = 0;
        m_keyRelease.stop();
    }
    const QPointer<CRemoteControlDlg> alive(this);
    hold(id)->showReleased();
    CameraLink &link = m_link;
    const std::string_view stop = findControl(id)->release;
    const CameraLink::Operation operation(link);
    if (link.isLinkMarkedDown() || !link.SendCommand(stop)) {
        link.oweStop(stop);
        return;
    }
    if (alive) {
        ReplyPacket acknowledgement{};
        link.ReadReply(acknowledgement);
    }
}

void CRemoteControlDlg::keyPressEvent(QKeyEvent *event)
{
    const int id = controlForKey(event->key(), event->modifiers());
    QAbstractButton *button = control(id);
    if (!button) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    if (m_keyRelease.isActive()) {
        m_keyRelease.stop();
        // The press of X's auto-repeat pair: the key never went up.
        if (id == m_keyHoldId && isHoldingKey(*event) &&
            (event->isAutoRepeat() || event->timestamp() == m_keyReleaseTime))
            return;
        releaseKeyboardHold();
    }
    // Auto-repeat: a hold is already running, and a toggle flips once per press.
    if (event->isAutoRepeat() || !button->isEnabled())
        return;
    if (auto *key = toggle(id)) {
        key->clickByKey();
    } else if (auto *key = hold(id)) {
        if (m_keyHoldId != 0)
            return;
        m_keyHoldId = id;
        m_keyHoldCode = event->key();
        m_keyHoldScanCode = event->nativeScanCode();
        key->pressDown();
    } else {
        button->click();
    }
}

bool CRemoteControlDlg::isHoldingKey(const QKeyEvent &event) const
{
    return m_keyHoldScanCode != 0 ? event.nativeScanCode() == m_keyHoldScanCode
                                  : event.key() == m_keyHoldCode;
}

void CRemoteControlDlg::keyReleaseEvent(QKeyEvent *event)
{
    if (m_keyHoldId == 0 || event->isAutoRepeat() || !isHoldingKey(*event) ||
        m_keyRelease.isActive()) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // X delivers a held key's auto-repeat as a release and a press of the same time, and Qt
    // does not always see the two as a pair: the release counts once no press of its time
    // follows. A release with no time (made by a program) counts at once.
    if (event->timestamp() == 0) {
        releaseKeyboardHold();
        return;
    }
    m_keyReleaseTime = event->timestamp();
    m_keyRelease.start();
}

void CRemoteControlDlg::releaseKeyboardHold()
{
    m_keyRelease.stop();
    const int id = std::exchange(m_keyHoldId, 0);
    m_keyHoldCode = 0;
    m_keyHoldScanCode = 0;
    hold(id)->releaseUp();
}

bool CRemoteControlDlg::event(QEvent *event)
{
    // A key held while the panel loses the keyboard would never see its release.
    if (event->type() == QEvent::WindowDeactivate && m_keyHoldId != 0 && m_handlerDepth == 0)
        releaseKeyboardHold();
    return QDialog::event(event);
}
