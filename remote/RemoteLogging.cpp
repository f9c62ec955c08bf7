// SPDX-License-Identifier: MIT
#include "remote/RemoteLogging.h"

Q_LOGGING_CATEGORY(lcRemote, "quillon.remote", QtCriticalMsg)
