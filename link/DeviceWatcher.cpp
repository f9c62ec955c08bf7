// SPDX-License-Identifier: MIT
#include "link/DeviceWatcher.h"

bool isCameraHardwareKey(const QString &hardwareKey)
{
    // The key is cut after the length of the camera's identifier and then compared whole, so a
    // longer key (a revision or instance suffix) still matches and a shorter one never does.
    static const QString camera = QString::fromLatin1(CameraHardwareKey);
    return hardwareKey.left(camera.size()) == camera;
}
