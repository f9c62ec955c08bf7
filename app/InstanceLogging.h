// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.instance": why the single-instance lock or socket could not be used. Silent unless
// enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcInstance)
