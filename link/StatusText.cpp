// SPDX-License-Identifier: MIT
#include "link/StatusText.h"

QString statusText(int stringId)
{
    switch (stringId) {
    case StringId::AppTitle:
        return QStringLiteral("Quillon for USB");
    case StringId::Ready:
        return QStringLiteral("Ready !");
    case StringId::Busy:
        return QStringLiteral("Busy !");
    case StringId::Initializing:
        return QStringLiteral("The main unit is now initializing.");
    case StringId::NotReady:
        return QStringLiteral("Not Ready");
    default:
        return {};
    }
}
