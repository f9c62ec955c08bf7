// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct CameraSettings;

// The camera's settings as testers read and write them on the control socket: one
// "NAME VALUE" line per setting, in the order of the two status replies.
QString describeSettings(const CameraSettings &settings);

// Changes one setting as the camera's own buttons would: a resolution ends an RGB input, and a
// rotation or resolution ends a pause. False, with the reason, for an unknown name or a value
// out of range; the settings are then unchanged.
bool changeSetting(CameraSettings &settings, const QString &name, const QString &value,
                   QString *error);
