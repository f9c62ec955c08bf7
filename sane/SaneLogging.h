// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.sane": why a call of the backend failed, which devices it found, what it scanned.
// Silent, as every quillon.* category is, unless SANE's debug variable asks: then the backend
// turns the quillon.* categories on in the frontend's process.
Q_DECLARE_LOGGING_CATEGORY(lcSane)

namespace SaneLogging {
// SANE_DEBUG_QUILLON, SANE's way to ask a backend for its debug lines: 1 and up the causes of
// failures (warnings), 3 and up what was found and scanned (information), 5 and up every call.
// Once per process; the categories of other libraries are left as the process has them.
void followDebugVariable();
} // namespace SaneLogging
