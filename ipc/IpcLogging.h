// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.ipc": connections closed for the program's sake. Silent unless enabled with
// QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcIpc)
