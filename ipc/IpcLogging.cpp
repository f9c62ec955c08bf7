// SPDX-License-Identifier: MIT
#include "ipc/IpcLogging.h"

Q_LOGGING_CATEGORY(lcIpc, "quillon.ipc", QtCriticalMsg)
