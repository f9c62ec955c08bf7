// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Shows the numbered messages. The program uses a modal message box; tests record the calls.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;

    // A modal box with the caption, the text, an OK button and the exclamation icon. The code is
    // the message's number, for recording; the result is the box's result.
    virtual int showWarning(int code, const QString &caption, const QString &text) = 0;
};
