// SPDX-License-Identifier: MIT
#pragma once

#include "link/MessagePresenter.h"

#include <QStringList>

class QWidget;

// The numbered messages as modal message boxes with the exclamation icon and OK.
class MessageBoxPresenter : public MessagePresenter
{
public:
    void setParentWindow(QWidget *parent) { m_parent = parent; }
    int showWarning(int code, const QString &caption, const QString &text,
                    const QString &details) override;

private:
    QWidget *m_parent = nullptr;
};

// Without a window: the messages go to standard error, their details on the lines after them,
// and are kept for the exit status.
class StandardErrorPresenter : public MessagePresenter
{
public:
    int showWarning(int code, const QString &caption, const QString &text,
                    const QString &details) override;
    const QList<int> &shownCodes() const { return m_codes; }

private:
    QList<int> m_codes;
};
