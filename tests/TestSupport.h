// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

class QDialog;

// Runs the event loop until the predicate holds or the time-out passes; false on time-out.
// Qt Test's QTRY_* macros do not work inside GoogleTest, and a bare loop would hang a failing
// test instead of failing it.
bool waitUntil(const std::function<bool()> &predicate,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Answers the modal dialog that the command about to run opens, once it is up.
void answerModalDialog(const std::function<void(QDialog &)> &answer);
