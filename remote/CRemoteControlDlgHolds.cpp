// SPDX-License-Identifier: MIT
// The remote panel's held keys, from the mouse and from the keyboard, and its keyboard keys.
#include "link/CameraLink.h"
#include "remote/CHoldButton.h"
#include "remote/CRemoteControlDlg.h"
#include "remote/CRemoteControlDlgScope.h"
#include "remote/CToggleButton.h"
#include "remote/PanelKeys.h"

#include <QKeyEvent>

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
    sendCommand(findControl(id)->release);
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
    }
    const QPointer<CRemoteControlDlg> alive(this);
    hold(id)->showReleased();
    if (m_link.isLinkMarkedDown())
        return;
    if (m_link.SendCommand(findControl(id)->release) && alive) {
        ReplyPacket acknowledgement{};
        m_link.ReadReply(acknowledgement);
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

void CRemoteControlDlg::keyReleaseEvent(QKeyEvent *event)
{
    const bool sameKey = m_keyHoldScanCode != 0 ? event->nativeScanCode() == m_keyHoldScanCode
                                                : event->key() == m_keyHoldCode;
    if (m_keyHoldId == 0 || event->isAutoRepeat() || !sameKey) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    event->accept();
    releaseKeyboardHold();
}

void CRemoteControlDlg::releaseKeyboardHold()
{
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
