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
// otherwise. cleanPage: the picture is cleaned as Add page cleans a page (the sheet squared and
// made level, the stored colour mode) before it is saved.
// An initializing camera is asked again every pollInterval (the window's second; tests need not
// wait a minute for the limit).
int runHeadlessCapture(PipeTransport &transport, const SettingsStore &settings, const QString &path,
                       bool cleanPage = false,
                       std::chrono::milliseconds pollInterval =
                           std::chrono::milliseconds(ReadinessMonitor::PollIntervalMs));

// For a name the command line could not carry whole (bytes that are not UTF-8 arrive replaced):
// the picture would be saved under another name, so it is refused with the save message before
// the camera is asked. Returns the exit status.
int refuseCaptureName(const QString &path);
