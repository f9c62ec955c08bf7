// SPDX-License-Identifier: MIT
#include "settings/SettingsLogging.h"

Q_LOGGING_CATEGORY(lcSettings, "quillon.settings", QtCriticalMsg)
