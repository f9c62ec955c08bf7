// SPDX-License-Identifier: MIT
#pragma once

#include "remote/CRemoteControlDlg.h"

#include <QPointer>

// Marks one of our handlers as running. A close asked for meanwhile (the link asks for one when
// a command cannot be sent; a message box lets queued events in) hides the panel at once but
// deletes it only once the outermost handler has returned. A panel deleted from outside while
// a message box was open (its main window went away) is noticed, and nothing of it is touched.
class CRemoteControlDlg::HandlerScope
{
public:
    explicit HandlerScope(CRemoteControlDlg &panel)
        : m_panel(&panel)
    {
        ++panel.m_handlerDepth;
    }
    ~HandlerScope()
    {
        if (m_panel && --m_panel->m_handlerDepth == 0 && m_panel->m_bClosing)
            m_panel->deleteLater();
    }
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

    bool panelAlive() const { return !m_panel.isNull(); }

private:
    QPointer<CRemoteControlDlg> m_panel;
};
