// SPDX-License-Identifier: MIT
#include "cleanup/CleanupLogging.h"

Q_LOGGING_CATEGORY(lcCleanup, "quillon.cleanup", QtCriticalMsg)
