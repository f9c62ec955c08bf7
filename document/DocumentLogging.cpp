// SPDX-License-Identifier: MIT
#include "document/DocumentLogging.h"

Q_LOGGING_CATEGORY(lcDocument, "quillon.document", QtCriticalMsg)
