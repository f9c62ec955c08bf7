// SPDX-License-Identifier: MIT
// This program links only rooms without widgets (its test "links_no_widgets" checks the
// executable): what a shared module or the headless capture can do, it does here.
#include "imaging/PictureEdits.h"
#include "picture/HeadlessFrame.h"
#include "picture/ImageHolder.h"
#include "picture/ShownPicture.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"
#include "tests/support/SimulatorPicture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// The whole way from the camera to the rendered picture: readiness, coefficients, transfer,
// crop, conversion with the stored tone curve, load and the stored sharpening.
TEST(WidgetFreeCapture, CapturesFromTheSimulatorAndRendersWithTheStoredSettings)
{
    QTemporaryDir dir;
    const SettingsStore settings(dir.filePath(QStringLiteral("q.conf")));
    settings.write(Setting::Sharpness, 5);
    SimulatedMainUnit camera;
    HeadlessFrame frame(camera);
    ReadinessMonitor readiness(frame.link(), frame, frame);
    frame.setReadiness(&readiness);
    ImageHolder image;
    ShownPicture shown(
        image, frame, [] { return QSize(1000, 800); }, [] {});
    shown.readSettings(settings);
    readiness.OnInitialUpdate();
    ASSERT_TRUE(readiness.isReady());

    shown.capture();

    ASSERT_TRUE(shown.hasImage());
    EXPECT_TRUE(frame.messages().isEmpty());
    DecodedImage expected{simulatorPicture(), 24};
    ASSERT_EQ(PictureEdits::sharpen(expected, 900), PictureEdits::Outcome::Changed);
    EXPECT_EQ(image.GetImage(), expected.image);
}
} // namespace
