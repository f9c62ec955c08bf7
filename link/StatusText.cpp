// SPDX-License-Identifier: MIT
#include "link/StatusText.h"

#include "link/ReadinessMonitor.h"

#include <QCoreApplication>

QString statusText(int stringId)
{
    switch (stringId) {
    case StringId::AppTitle:
        return QCoreApplication::translate("StatusText", "Quillon for USB");
    case StringId::Ready:
        return QCoreApplication::translate("StatusText", "Ready !");
    case StringId::Busy:
        return QCoreApplication::translate("StatusText", "Busy !");
    case StringId::Initializing:
        return QCoreApplication::translate("StatusText", "The main unit is now initializing.");
    case StringId::NotReady:
        return QCoreApplication::translate("StatusText", "Not Ready");
    default:
        return {};
    }
}

bool statusMayChange(int shownId, const StatusReadiness &readiness)
{
    bool allowed = true;
    if (readiness.busy || readiness.noLink)
        allowed = shownId == StringId::Ready;
    if (readiness.noLink)
        allowed = allowed || shownId == StringId::Initializing;
    if (readiness.busy)
        allowed = allowed || shownId == StringId::NotReady;
    return allowed || readiness.initPollCount > ReadinessMonitor::MaxInitializingPolls;
}

int statusAfterRequest(int shownId, int requestedId, const StatusReadiness &readiness)
{
    if (statusMayChange(shownId, readiness))
        return requestedId;
    if (readiness.noLink && !readiness.busy && shownId == StringId::Busy &&
        requestedId == StringId::Ready)
        return StringId::NotReady;
    return 0;
}
