// SPDX-License-Identifier: MIT
#pragma once

#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"
#include "tests/TestSupport.h"
#include "tests/doubles/RecordingFrame.h"
#include "tests/doubles/RecordingImagingControl.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/doubles/ScriptedFileDialogs.h"
#include "view/CQuillon2View.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A view over a recording imaging control (or the real one), driven through the simulated main
// unit, with the settings in a private file.
class ViewFixture : public ::testing::Test
{
protected:
    explicit ViewFixture(bool realControl = false)
        : m_realControl(realControl)
    {}

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        settings = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("q.conf")));
        frame = std::make_unique<RecordingFrame>(camera, presenter);
        makeView();
    }

    void TearDown() override { AllocationFaults::clear(); }

    void makeView()
    {
        view.reset();
        view = std::make_unique<CQuillon2View>(*frame, *settings, nullptr,
                                               m_realControl ? nullptr : &control);
        frame->readiness = &view->readiness();
        auto owned = std::make_unique<ScriptedFileDialogs>();
        dialogs = owned.get();
        view->setFileDialogs(std::move(owned));
        view->resize(800, 600);
    }

    // The view's own state, for cases no command reaches.
    PictureSettings &pictureSettings() { return view->m_shown.m_picture; }
    // What the view's adjustment dialogs preview.
    PreviewSource &previewSource() { return view->m_shown; }

    QString tempPath(const QString &name) const { return m_dir.filePath(name); }

    // The view after its first update with a ready camera and a captured picture.
    void captureOnce()
    {
        view->OnInitialUpdate();
        view->OnCapture();
        ASSERT_TRUE(view->hasImage());
        control.clear();
        presenter.shown.clear();
        frame->statusRequests.clear();
        frame->zoomReadouts.clear();
    }

    // Replaces the shown picture by one opened from a file: no camera frame is kept then.
    void openFilePicture()
    {
        view->OnToggleOpenMode();
        dialogs->answer = tempPath(QStringLiteral("opened.bmp"));
        view->OnFileOpen();
        ASSERT_TRUE(view->rawFrame().isNull());
        view->OnToggleOpenMode();
        control.clear();
        frame->statusRequests.clear();
        frame->zoomReadouts.clear();
    }

    SimulatedMainUnit camera;
    RecordingMessages presenter;
    RecordingImagingControl control;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<RecordingFrame> frame;
    std::unique_ptr<CQuillon2View> view;
    ScriptedFileDialogs *dialogs = nullptr;

private:
    bool m_realControl;
    QTemporaryDir m_dir;
};

// The same with the real imaging control: real pixels, real files.
class RealControlViewFixture : public ViewFixture
{
protected:
    RealControlViewFixture()
        : ViewFixture(true)
    {}
};
