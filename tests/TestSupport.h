// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class QDialog;

// Runs the event loop until the predicate holds or the time-out passes; false on time-out.
// Qt Test's QTRY_* macros do not work inside GoogleTest, and a bare loop would hang a failing
// test instead of failing it.
bool waitUntil(const std::function<bool()> &predicate,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Answers the modal dialog that the command about to run opens, once it is up.
void answerModalDialog(const std::function<void(QDialog &)> &answer);

// A parametrised case's test name from the text it is about: letters and digits kept, '+' and
// '-' spelled out, everything else dropped, then the case's index, which keeps names unique.
std::string paramName(std::string_view text, std::size_t index);
