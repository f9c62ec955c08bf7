// SPDX-License-Identifier: MIT
#pragma once

#include "link/ReadinessMonitor.h"

#include <QString>

#include <chrono>

class PipeTransport;
class SettingsStore;

// One capture without a window or any widget, for scripts: the window's own capture and save, with
// the stored picture settings; a ".pdf" name gets a one-page searchable PDF. Messages go to
// standard error. The result is the exit status: 0 when the picture was written, non-zero
// otherwise.
// An initializing camera is asked again every pollInterval (the window's second; tests need not
// wait a minute for the limit).
int runHeadlessCapture(PipeTransport &transport, const SettingsStore &settings, const QString &path,
                       std::chrono::milliseconds pollInterval =
                           std::chrono::milliseconds(ReadinessMonitor::PollIntervalMs));
