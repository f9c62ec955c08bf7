// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.sim": causes the messages the user sees do not carry. Silent unless enabled with
// QT_LOGGING_RULES (for example "quillon.sim=true").
Q_DECLARE_LOGGING_CATEGORY(lcSim)
