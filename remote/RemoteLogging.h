// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.remote": causes the messages the user sees do not carry. Silent unless enabled with
// QT_LOGGING_RULES (for example "quillon.remote=true").
Q_DECLARE_LOGGING_CATEGORY(lcRemote)
