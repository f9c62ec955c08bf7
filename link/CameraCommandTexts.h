// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// The texts of the camera's commands, in one place. Every command is five characters: two
// letters naming the function, one argument character ('+', '-' or a digit) and two blanks.
// (The simulator keeps its own reading of the vocabulary, as a second opinion.)
namespace CameraCommands {
inline constexpr std::size_t CommandLength = 5;

// Motions, started on a key's press and stopped on its release.
inline constexpr std::string_view ZoomTele = "ZO+  ";
inline constexpr std::string_view ZoomWide = "ZO-  ";
inline constexpr std::string_view ZoomStop = "ZO0  ";
inline constexpr std::string_view FocusNear = "FO+  ";
inline constexpr std::string_view FocusFar = "FO-  ";
inline constexpr std::string_view FocusStop = "FO0  ";
inline constexpr std::string_view IrisOpen = "IR+  ";
inline constexpr std::string_view IrisClose = "IR-  ";
inline constexpr std::string_view IrisStop = "IR0  ";
inline constexpr std::string_view PointerStop = "PM0  ";
// One-off actions.
inline constexpr std::string_view IrisNormal = "IR1  ";
inline constexpr std::string_view AutoFocus = "AF0  ";
// The two status queries the panel reads the camera's settings with.
inline constexpr std::string_view StatusQuery = "QS0  ";
inline constexpr std::string_view SecondStatusQuery = "QS2  ";

// Function letters of the commands that carry a setting as their argument digit.
inline constexpr std::string_view Lock = "LL";
inline constexpr std::string_view Pointer = "PO";
inline constexpr std::string_view DoubleZoom = "MA";
inline constexpr std::string_view Lamp = "PL";
inline constexpr std::string_view Rotation = "RO";
inline constexpr std::string_view Resolution = "RS";
inline constexpr std::string_view RgbInput = "AV";
inline constexpr std::string_view Pause = "FZ";
inline constexpr std::string_view NegaPosi = "NP";
inline constexpr std::string_view ColorBw = "CB";
inline constexpr std::string_view Gamma = "GM";
inline constexpr std::string_view PointerMove = "PM";

// The link's own: the readiness query whose reply also carries the colour coefficients, the
// communication-setting query, and the image transfer request.
inline constexpr std::string_view ReadinessQuery = "QS4  ";
inline constexpr std::string_view CommunicationQuery = "QS3  ";
inline constexpr std::string_view TransferRequest = "TR0  ";
} // namespace CameraCommands
