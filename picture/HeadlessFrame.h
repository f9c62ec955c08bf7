// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "link/ReadinessMonitor.h"
#include "picture/FrameServices.h"

// A frame without a window: status texts, menus, the zoom readout and the progress bar have
// nowhere to go. The readiness given to it says whether the link is marked down.
class HeadlessFrame : public FrameServices
{
public:
    HeadlessFrame(PipeTransport &transport, MessagePresenter &presenter)
        : m_link(transport, presenter, *this)
    {}
    void setReadiness(const ReadinessMonitor *readiness) { m_readiness = readiness; }

    void SetStatusMessage(int) override {}
    void SetZoomReadout(float) override {}
    void EnableTopMenu(int, bool) override {}
    CameraLink &Link() override { return m_link; }
    void SetFrameEnabled(bool) override {}
    void SetTransferProgress(int) override {}
    bool isLinkMarkedDown() const override { return !m_readiness || m_readiness->noLink(); }
    void CloseRemotePanel() override {}

private:
    CameraLink m_link;
    const ReadinessMonitor *m_readiness = nullptr;
};
