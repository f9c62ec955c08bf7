// SPDX-License-Identifier: MIT
#include "picture/BusyScope.h"

#include "link/StatusText.h"

#include <QCursor>
#include <QGuiApplication>

#include <utility>

namespace {
// A cursor needs a GUI application; without one Qt ends the process.
bool hasCursor(const StatusSink &status)
{
    return status.showsWaitCursor() &&
           qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}
} // namespace

BusyScope::BusyScope(StatusSink &status)
    : m_status(&status)
    , m_cursor(hasCursor(status))
{
    m_status->SetStatusMessage(StringId::Busy);
    if (m_cursor)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyScope::~BusyScope()
{
    end();
}

void BusyScope::end()
{
    if (!m_status)
        return;
    if (m_cursor)
        QGuiApplication::restoreOverrideCursor();
    std::exchange(m_status, nullptr)->SetStatusMessage(StringId::Ready);
}
