// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.kernels": causes the messages the user sees do not carry. Silent unless enabled with
// QT_LOGGING_RULES (for example "quillon.kernels=true").
Q_DECLARE_LOGGING_CATEGORY(lcKernels)
