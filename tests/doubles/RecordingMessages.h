// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"

#include <functional>
#include <string>
#include <vector>

// Records the messages a link's host is given instead of showing them. The hook runs where a
// modal box would let other events in, so a test can deliver them exactly there.
class RecordingMessages
{
public:
    std::vector<LinkMessage> shown;
    int result = 1; // what an OK button answers
    std::function<void(int code)> onShow;
    // Shared with the other recorders when a test checks the order of events.
    std::vector<std::string> *log = nullptr;

    std::vector<int> codes() const
    {
        std::vector<int> list;
        for (const LinkMessage &message : shown)
            list.push_back(message.code);
        return list;
    }

    int present(const LinkMessage &message)
    {
        shown.push_back(message);
        if (log)
            log->push_back("message " + std::to_string(message.code));
        if (onShow)
            onShow(message.code);
        return result;
    }
};
