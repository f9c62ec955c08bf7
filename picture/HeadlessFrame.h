// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "link/ReadinessMonitor.h"
#include "picture/FrameServices.h"

#include <QList>

#include <functional>

// A frame without a window: status texts, menus, the zoom readout and the progress bar have
// nowhere to go, and no box shows a message. The messages are kept, in order, for the caller to
// report as it can (standard error and an exit status, a scanner's status); onMessage, when
// given, hears each one as it arises. The readiness given to it says whether the link is marked
// down.
class HeadlessFrame : public FrameServices
{
public:
    using MessageHook = std::function<void(const LinkMessage &)>;

    explicit HeadlessFrame(PipeTransport &transport, MessageHook onMessage = {})
        : m_link(transport, *this)
        , m_onMessage(std::move(onMessage))
    {}
    void setReadiness(const ReadinessMonitor *readiness) { m_readiness = readiness; }
    const QList<LinkMessage> &messages() const { return m_messages; }

    void SetStatusMessage(int) override {}
    bool showsWaitCursor() const override { return false; }
    void SetZoomReadout(float) override {}
    void EnableTopMenu(int, bool) override {}
    CameraLink &link() override { return m_link; }
    void setFrameEnabled(bool) override {}
    void setTransferProgress(int) override {}
    bool isLinkMarkedDown() const override { return !m_readiness || m_readiness->noLink(); }
    void CloseRemotePanel() override {}
    int presentLinkMessage(const LinkMessage &message) override
    {
        m_messages.append(message);
        if (m_onMessage)
            m_onMessage(message);
        return 1; // as the box's OK would
    }

private:
    CameraLink m_link;
    MessageHook m_onMessage;
    const ReadinessMonitor *m_readiness = nullptr;
    QList<LinkMessage> m_messages;
};
