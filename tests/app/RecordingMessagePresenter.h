// SPDX-License-Identifier: MIT
#pragma once

#include "app/MessagePresenters.h"

#include <functional>
#include <string>
#include <vector>

// Records the main window's message boxes instead of showing them. The hook runs where a modal
// box would let other events in, so a test can deliver them exactly there.
class RecordingMessagePresenter : public MessagePresenter
{
public:
    struct Shown
    {
        int code;
        QString caption;
        QString text;
        QString details;
    };

    std::vector<Shown> shown;
    int result = 1; // what an OK button answers
    std::function<void(int code)> onShow;
    // Shared with the other recorders when a test checks the order of events.
    std::vector<std::string> *log = nullptr;

    std::vector<int> codes() const
    {
        std::vector<int> list;
        for (const Shown &s : shown)
            list.push_back(s.code);
        return list;
    }

    int showWarning(int code, const QString &caption, const QString &text,
                    const QString &details) override
    {
        shown.push_back({code, caption, text, details});
        if (log)
            log->push_back("message " + std::to_string(code));
        if (onShow)
            onShow(code);
        return result;
    }
};
