// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The sRGB colour space as an ICC profile (version 2, display class), made from the standard's
// published primaries, white point and tone curve, so that no profile file must be installed:
// the output intent of an archival PDF, whose pictures are the camera's sRGB.
namespace SrgbProfile {
inline constexpr char Description[] = "sRGB IEC61966-2.1";

QByteArray iccProfile();
} // namespace SrgbProfile
