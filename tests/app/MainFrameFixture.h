// SPDX-License-Identifier: MIT
#pragma once

#include "app/CMainFrame.h"
#include "app/CMainStatusBar.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"
#include "tests/app/RecordingMessagePresenter.h"
#include "view/CQuillon2View.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

// The real main frame over the simulated main unit, with settings in a private file.
class MainFrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("q.conf")));
    }

    CMainFrame &makeFrame()
    {
        frame = std::make_unique<CMainFrame>(camera, presenter, *settings);
        frame->watchDevices(camera.deviceWatcher());
        return *frame;
    }

    QString message() const { return frame->mainStatusBar().paneText(CMainStatusBar::MessagePane); }

    SimulatedMainUnit camera;
    RecordingMessagePresenter presenter;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<CMainFrame> frame;

private:
    QTemporaryDir m_dir;
};
