// SPDX-License-Identifier: MIT
#include "picture/BusyScope.h"

#include "link/StatusText.h"

#include <QCursor>
#include <QGuiApplication>

#include <utility>

BusyScope::BusyScope(StatusSink &status)
    : m_status(&status)
{
    m_status->SetStatusMessage(StringId::Busy);
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
    QGuiApplication::restoreOverrideCursor();
    std::exchange(m_status, nullptr)->SetStatusMessage(StringId::Ready);
}
