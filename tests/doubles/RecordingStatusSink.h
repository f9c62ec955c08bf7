// SPDX-License-Identifier: MIT
#pragma once

#include "link/StatusText.h"

#include <string>
#include <vector>

// Records the status texts requested, by string id.
class RecordingStatusSink : public StatusSink
{
public:
    std::vector<int> requests;
    std::vector<std::string> *log = nullptr;

    int last() const { return requests.empty() ? 0 : requests.back(); }

    void SetStatusMessage(int stringId) override
    {
        requests.push_back(stringId);
        if (log)
            log->push_back("status " + std::to_string(stringId));
    }
};
