// SPDX-License-Identifier: MIT
#include "app/HeadlessCapture.h"

#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

namespace {
// The simulated camera, noting at every pipe opened how many widgets exist then.
class WidgetCountingTransport : public PipeTransport
{
public:
    std::unique_ptr<PipeHandle> open(std::string_view pipeName) override
    {
        mostWidgets = std::max(mostWidgets, QApplication::allWidgets().size());
        return m_camera.open(pipeName);
    }

    qsizetype mostWidgets = 0;

private:
    SimulatedMainUnit m_camera;
};

TEST(HeadlessCapture, CapturesAndSavesWithoutBuildingAWidget)
{
    QTemporaryDir dir;
    const SettingsStore settings(dir.filePath(QStringLiteral("q.conf")));
    WidgetCountingTransport transport;
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    const QString shot = dir.filePath(QStringLiteral("shot.jpg"));
    ASSERT_EQ(runHeadlessCapture(transport, settings, shot), 0);
    EXPECT_TRUE(QFile::exists(shot));
    EXPECT_LE(transport.mostWidgets, widgetsBefore);
}
} // namespace
