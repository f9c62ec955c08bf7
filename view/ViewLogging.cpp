// SPDX-License-Identifier: MIT
#include "view/ViewLogging.h"

Q_LOGGING_CATEGORY(lcView, "quillon.view", QtCriticalMsg)
