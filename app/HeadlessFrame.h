// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "view/CQuillon2View.h"
#include "view/FrameServices.h"

// A frame without a window for a view that works without one: status texts, menus, the zoom
// readout and the progress bar have nowhere to go.
class HeadlessFrame : public FrameServices
{
public:
    HeadlessFrame(PipeTransport &transport, MessagePresenter &presenter)
        : m_link(transport, presenter, *this)
    {}
    void setView(const CQuillon2View *view) { m_view = view; }

    void SetStatusMessage(int) override {}
    void SetZoomReadout(float) override {}
    void EnableTopMenu(int, bool) override {}
    CameraLink &Link() override { return m_link; }
    void SetFrameEnabled(bool) override {}
    void SetTransferProgress(int) override {}
    bool isLinkMarkedDown() const override { return !m_view || m_view->readiness().noLink(); }
    void CloseRemotePanel() override {}

private:
    CameraLink m_link;
    const CQuillon2View *m_view = nullptr;
};
