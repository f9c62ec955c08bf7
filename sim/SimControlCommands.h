// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"

#include <QString>

#include <optional>

class SimulatedMainUnit;

// The simulator's control language, one command per line, answered "ok" or "error: <reason>";
// `sent` and `state` answer their lines first, then "ok" on a line of its own:
//   plug, unplug, other-device          presence (announced as device arrival and removal)
//   refuse permission|busy|none         the plugged-in camera cannot be opened, or can again
//   initializing N                      the next N readiness queries answer "initializing"
//   nak                                 the next control command is refused
//   comm-not-usb, comm-usb              the communication setting (lasts until changed)
//   reply-fail, image-fail              the next opening of the reply or image pipe fails
//   command-fail                        the next command but "QS4  " fails in the command pipe
//   short-row R                         row R (1 to 1024) of the next transfer is a byte short
//   unplug-at-row R                     the camera vanishes at row R of the next transfer
//   slow-transfer MS                    every row of the next transfer takes MS (1 to 1000) ms
//   frame FILE                          serve a raw frame of exactly 2,621,440 bytes from FILE
//   sheet LIST                          show a sheet of typeset text (parseSheetSetup's LIST)
//   sheet off                           show the built-in picture again
//   sheet                               the shown sheet's corners and text (describeSheet)
//   coefficients K0,K1,K2,K3            the colour coefficients of the "QS4  " reply (0 to 255)
//   sent                                the commands received since the last `sent`, quoted
//   state                               the settings the status replies carry, "NAME VALUE"
//   set NAME VALUE                      changes one of them as the camera's own buttons would
QString runSimCommand(SimulatedMainUnit &unit, const QString &line);

// Commands given at start as one comma-separated list, "=" standing for the blank
// ("nak,short-row=7,initializing=3"); run in order. Empty when all were done, else the reason
// the first one that could not be done gives.
QString runSimFaults(SimulatedMainUnit &unit, const QString &list);

// "K0,K1,K2,K3", each 0 to 255; nothing, with the reason, for anything else.
std::optional<ColorCoefficients> parseCoefficients(const QString &text, QString *error);
