// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "link/ReadinessMonitor.h"

#include <string>
#include <vector>

// Stands in for the window that owns the link. Whether the link is marked down comes from the
// readiness monitor when one is attached, as it does in the view, otherwise from the flag.
class RecordingLinkHost : public LinkHost
{
public:
    bool linkMarkedDown = false;
    const ReadinessMonitor *monitor = nullptr;

    int panelCloses = 0;
    std::vector<int> progress;
    std::vector<std::string> *log = nullptr;

    bool isLinkMarkedDown() const override { return monitor ? monitor->noLink() : linkMarkedDown; }
    void CloseRemotePanel() override
    {
        ++panelCloses;
        if (log)
            log->push_back("close panel");
    }
    void SetTransferProgress(int rows) override { progress.push_back(rows); }
};
