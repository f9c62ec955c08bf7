// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "link/ReadinessMonitor.h"
#include "picture/FrameServices.h"
#include "tests/doubles/RecordingMessages.h"

#include <string>
#include <vector>

// The main frame as the view sees it, recording what the view asks of it and the messages in
// messages; the camera link on it is real and runs over the transport the test gives. The status
// texts are recorded as requested (the frame's own rule that may drop some is tested with the
// real frame).
class RecordingFrame : public FrameServices
{
public:
    RecordingFrame(PipeTransport &transport, RecordingMessages &messages)
        : m_link(transport, *this)
        , m_messages(messages)
    {}

    // The view whose readiness decides whether a missing command pipe is reported.
    const ReadinessMonitor *readiness = nullptr;

    std::vector<int> statusRequests;
    std::vector<float> zoomReadouts;
    std::vector<std::string> events; // menus, frame enabling, progress, in order
    std::vector<int> progress;
    int remotePanelCloses = 0;
    bool menusEnabled[5] = {true, true, true, true, true};

    void SetStatusMessage(int stringId) override { statusRequests.push_back(stringId); }
    void SetZoomReadout(float zoomPercent) override { zoomReadouts.push_back(zoomPercent); }
    void EnableTopMenu(int position, bool enabled) override
    {
        menusEnabled[position] = enabled;
        events.push_back("menu " + std::to_string(position) + (enabled ? " on" : " off"));
    }
    CameraLink &link() override { return m_link; }
    void setFrameEnabled(bool enabled) override
    {
        events.push_back(enabled ? "frame enabled" : "frame disabled");
    }
    void setTransferProgress(int rows) override { progress.push_back(rows); }
    bool isLinkMarkedDown() const override { return !readiness || readiness->noLink(); }
    void CloseRemotePanel() override { ++remotePanelCloses; }
    int presentLinkMessage(const LinkMessage &message) override
    {
        return m_messages.present(message);
    }

private:
    CameraLink m_link;
    RecordingMessages &m_messages;
};
