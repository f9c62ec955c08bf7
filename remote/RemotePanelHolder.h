// SPDX-License-Identifier: MIT
#pragma once

#include "remote/CRemoteControlDlg.h"

#include <QPointer>

#include <functional>

class CameraLink;

// The remote-control panel while it is open, for the view that opens and closes it: at most one
// panel, opened only when the camera is set to be controlled over USB.
class RemotePanelHolder : public RemotePanelOwner
{
public:
    // changed: the panel opened or went away.
    RemotePanelHolder(CameraLink &link, std::function<void()> changed);

    bool isOpen() const { return !m_pRemoteDlg.isNull(); }
    // Asks the camera for its communication setting, then brings an open panel forward or opens
    // one over parentWindow.
    void open(QWidget *parentWindow);
    // Closes the panel now, as its own cancel would.
    void cancel();
    // Closes the panel once the handler running now (possibly one of its own) has returned.
    void closeLater();
    void OnRemotePanelDestroyed() override;

private:
    CameraLink &m_link;
    std::function<void()> m_changed;
    QPointer<QDialog> m_pRemoteDlg;
};
