// SPDX-License-Identifier: MIT
#include "remote/RemotePanelHolder.h"

#include "link/CameraCommandTexts.h"
#include "link/CameraLink.h"
#include "link/LinkError.h"

RemotePanelHolder::RemotePanelHolder(CameraLink &link, std::function<void()> changed)
    : m_link(link)
    , m_changed(std::move(changed))
{}

void RemotePanelHolder::open(QWidget *parentWindow)
{
    ReplyPacket reply{};
    {
        const CameraLink::Operation operation(m_link);
        if (!m_link.SendCommand(CameraCommands::CommunicationQuery))
            return;
        m_link.ReadReply(reply);
    }
    if (reply[0] == '1') {
        m_link.ShowLinkError(int(LinkError::NotUsbSetting));
        return;
    }
    if (m_pRemoteDlg) {
        m_pRemoteDlg->activateWindow();
        return;
    }
    // Recorded before it initialises, so that a link failure during its start can close it.
    auto *panel = new CRemoteControlDlg(m_link, *this, parentWindow);
    m_pRemoteDlg = panel;
    m_changed();
    if (!panel->Create()) {
        m_pRemoteDlg = nullptr;
        delete panel;
        m_link.ShowLinkError(int(LinkError::RemoteCreateFailed));
    }
    m_changed();
}

void RemotePanelHolder::cancel()
{
    if (auto *panel = qobject_cast<CRemoteControlDlg *>(m_pRemoteDlg.data()))
        panel->OnCancel();
}

void RemotePanelHolder::closeLater()
{
    // Like a close request from the window system.
    if (auto *panel = qobject_cast<CRemoteControlDlg *>(m_pRemoteDlg.data()))
        QMetaObject::invokeMethod(panel, &CRemoteControlDlg::OnCancel, Qt::QueuedConnection);
}

void RemotePanelHolder::OnRemotePanelDestroyed()
{
    m_pRemoteDlg = nullptr;
    m_changed();
}
