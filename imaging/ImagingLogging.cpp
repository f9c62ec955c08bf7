// SPDX-License-Identifier: MIT
#include "imaging/ImagingLogging.h"

Q_LOGGING_CATEGORY(lcImaging, "quillon.imaging", QtCriticalMsg)
