// SPDX-License-Identifier: MIT
#include "kernels/KernelsLogging.h"

Q_LOGGING_CATEGORY(lcKernels, "quillon.kernels", QtCriticalMsg)
