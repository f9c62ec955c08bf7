// SPDX-License-Identifier: MIT
#include "link/LinkLogging.h"

Q_LOGGING_CATEGORY(lcLink, "quillon.link", QtCriticalMsg)
