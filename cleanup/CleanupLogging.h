// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.cleanup": why a page was left as it was (no sheet found, the skew not measurable).
// Silent unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcCleanup)
