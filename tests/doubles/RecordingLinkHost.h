// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "link/ReadinessMonitor.h"
#include "tests/doubles/RecordingMessages.h"

#include <string>
#include <vector>

// Stands in for the window that owns the link, recording the messages in messages. Whether the
// link is marked down comes from the readiness monitor when one is attached, as it does in the
// view, otherwise from the flag.
class RecordingLinkHost : public LinkHost
{
public:
    explicit RecordingLinkHost(RecordingMessages &messages)
        : m_messages(messages)
    {}

    bool linkMarkedDown = false;
    const ReadinessMonitor *monitor = nullptr;

    int panelCloses = 0;
    std::vector<int> progress;
    std::vector<std::string> *log = nullptr;

    // Records the rows of an image transfer in progress.
    CameraLink::TransferProgress recordProgress()
    {
        return [this](int rows) {
            progress.push_back(rows);
        };
    }

    bool isLinkMarkedDown() const override { return monitor ? monitor->noLink() : linkMarkedDown; }
    void CloseRemotePanel() override
    {
        ++panelCloses;
        if (log)
            log->push_back("close panel");
    }
    int presentLinkMessage(const LinkMessage &message) override
    {
        return m_messages.present(message);
    }

private:
    RecordingMessages &m_messages;
};
