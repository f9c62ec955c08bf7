// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// How the main window shows the link's messages. The program uses a modal message box; tests
// record the calls.
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

// The messages as modal message boxes with the exclamation icon and OK.
class MessageBoxPresenter : public MessagePresenter
{
public:
    void setParentWindow(QWidget *parent) { m_parent = parent; }
    int showWarning(int code, const QString &caption, const QString &text,
                    const QString &details) override;

private:
    QWidget *m_parent = nullptr;
};
