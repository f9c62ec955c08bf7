// SPDX-License-Identifier: MIT
#include "sim/SimLogging.h"

Q_LOGGING_CATEGORY(lcSim, "quillon.sim", QtCriticalMsg)
