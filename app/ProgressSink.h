// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

// What shows a job that runs beside the window: how far it got, and a control that stops it.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;

    // The job starts: no progress yet, and a control with the text and tool tip that calls
    // cancel when used.
    virtual void startProgress(const QString &cancelText, const QString &cancelTip,
                               std::function<void()> cancel) = 0;
    // done of total steps are done.
    virtual void showProgress(int done, int total) = 0;
    // The job ended: the progress is emptied and the control is gone.
    virtual void endProgress() = 0;
};
