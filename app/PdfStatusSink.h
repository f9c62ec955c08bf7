// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the PDF commands report besides their dialogs: the page count, their texts in the status
// bar's message pane, and the messages of failures.
class PdfStatusSink
{
public:
    virtual ~PdfStatusSink() = default;
    virtual void showPageCount(int pages) = 0;
    // A text in the message pane with its string id (0: a text of the commands' own).
    virtual void showPaneMessage(int stringId, const QString &text) = 0;
    // The numbered message of a failed save, with its details (the file and the reason).
    virtual void showSaveFailed(const QString &details) = 0;
    // The numbered message of a page that could not be kept, with the reason.
    virtual void showPageRefused(const QString &details) = 0;
    // A warning that is not a numbered message, with its details.
    virtual void showWarning(const QString &text, const QString &details) = 0;
};
