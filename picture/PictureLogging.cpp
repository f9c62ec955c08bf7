// SPDX-License-Identifier: MIT
#include "picture/PictureLogging.h"

Q_LOGGING_CATEGORY(lcPicture, "quillon.picture", QtCriticalMsg)
