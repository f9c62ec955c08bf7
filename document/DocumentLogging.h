// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// "quillon.document": causes the messages the user sees do not carry, such as a language pack
// Tesseract could not load. Silent unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcDocument)
