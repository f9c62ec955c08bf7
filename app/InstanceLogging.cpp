// SPDX-License-Identifier: MIT
#include "app/InstanceLogging.h"

Q_LOGGING_CATEGORY(lcInstance, "quillon.instance", QtCriticalMsg)
