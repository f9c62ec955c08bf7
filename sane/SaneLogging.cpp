// SPDX-License-Identifier: MIT
#include "sane/SaneLogging.h"

#include <cstring>

Q_LOGGING_CATEGORY(lcSane, "quillon.sane", QtCriticalMsg)

namespace {
int g_level = 0;
QLoggingCategory::CategoryFilter g_previousFilter = nullptr;

void filter(QLoggingCategory *category)
{
    if (g_previousFilter)
        g_previousFilter(category);
    if (std::strncmp(category->categoryName(), "quillon.", 8) != 0)
        return;
    category->setEnabled(QtWarningMsg, g_level >= 1);
    category->setEnabled(QtInfoMsg, g_level >= 3);
    category->setEnabled(QtDebugMsg, g_level >= 5);
}
} // namespace

namespace SaneLogging {
void followDebugVariable()
{
    static bool followed = false;
    if (followed)
        return;
    followed = true;
    bool ok = false;
    g_level = qEnvironmentVariableIntValue("SANE_DEBUG_QUILLON", &ok);
    if (ok && g_level > 0)
        g_previousFilter = QLoggingCategory::installFilter(filter);
}
} // namespace SaneLogging
