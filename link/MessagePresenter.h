// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Shows the numbered messages. The program uses a modal message box; tests record the calls.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;

    // A modal box with the caption, the text, an OK button and the exclamation icon, and the
    // details (when not empty) behind a button of their own. The code is the message's number,
    // for recording, or 0 for a warning that is not a numbered message; the result is the box's
    // result.
    virtual int showWarning(int code, const QString &caption, const QString &text,
                            const QString &details) = 0;
};
