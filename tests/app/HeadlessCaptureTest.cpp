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
// The window's limit: a camera still initializing after the first question and 61 polls gives
// status 3; one ready at the last poll is captured.
class InitializingLimit : public ::testing::TestWithParam<std::pair<int, int>>
{};

TEST_P(InitializingLimit, IsTheWindowsWithoutWaitingAMinute)
{
    const auto [initializingAnswers, status] = GetParam();
    QTemporaryDir dir;
    const SettingsStore settings(dir.filePath(QStringLiteral("q.conf")));
    SimulatedMainUnit camera;
    camera.setInitializing(initializingAnswers);
    const QString shot = dir.filePath(QStringLiteral("shot.bmp"));
    EXPECT_EQ(runHeadlessCapture(camera, settings, shot, false, std::chrono::milliseconds(0)),
              status);
    EXPECT_EQ(QFile::exists(shot), status == 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, InitializingLimit,
                         ::testing::Values(std::pair(61, 0), std::pair(62, 3)),
                         [](const auto &info) {
                             return "Initializing" + std::to_string(info.param.first);
                         });
} // namespace
