// SPDX-License-Identifier: MIT
#include "store/StoreLogging.h"

Q_LOGGING_CATEGORY(lcStore, "quillon.store", QtCriticalMsg)
