// SPDX-License-Identifier: MIT
// The entry of a shared library built from the rooms without widgets, as a scanner backend's
// would be: it captures from the camera it is given and renders the picture with the stored
// settings. The build links it to show that those rooms go into a shared library without Qt
// Widgets; the capture itself is tested in picture_test.
#include "picture/HeadlessFrame.h"
#include "picture/ImageHolder.h"
#include "picture/ShownPicture.h"
#include "store/SettingsStore.h"

#include <QImage>
#include <QtGlobal>

extern "C" Q_DECL_EXPORT QImage *quillonCaptureWithoutWidgets(PipeTransport *camera,
                                                              const QString *settingsFile)
{
    HeadlessFrame frame(*camera);
    ReadinessMonitor readiness(frame.link(), frame, frame);
    frame.setReadiness(&readiness);
    ImageHolder image;
    ShownPicture shown(
        image, frame, [] { return QSize(); }, [] {});
    shown.readSettings(SettingsStore(*settingsFile));
    if (readiness.QueryReadiness() != 0)
        return nullptr;
    shown.capture();
    return shown.hasImage() ? new QImage(image.GetImage()) : nullptr;
}
