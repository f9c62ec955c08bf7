// SPDX-License-Identifier: MIT
#include "imaging/ZoomArithmetic.h"
#include "tests/TestSupport.h"
#include "tests/view/ViewFixture.h"
#include "view/CImageCtrl.h"

#include <QCoreApplication>

namespace {
using Calls = std::vector<std::string>;

struct ZoomStep
{
    float from;
    std::optional<int> in;
    std::optional<int> out;
};

class ZoomSteps : public ::testing::TestWithParam<ZoomStep>
{};

TEST_P(ZoomSteps, MoveToTheNeighbouringMultipleOfTen)
{
    const ZoomStep step = GetParam();
    EXPECT_EQ(ZoomArithmetic::zoomInTarget(step.from), step.in);
    EXPECT_EQ(ZoomArithmetic::zoomOutTarget(step.from), step.out);
    EXPECT_EQ(ZoomArithmetic::canZoomOut(step.from), step.out.has_value());
}

INSTANTIATE_TEST_SUITE_P(Zooms, ZoomSteps,
                         ::testing::Values(ZoomStep{100.0f, 110, 90}, ZoomStep{37.5f, 40, 30},
                                           ZoomStep{37.8f, 40, 30}, ZoomStep{5.3f, 10, {}},
                                           ZoomStep{15.0f, 20, 10}, ZoomStep{110.0f, 120, 100},
                                           ZoomStep{10.0f, 20, {}}, ZoomStep{10.9f, 20, {}},
                                           ZoomStep{20.0f, 30, 10}, ZoomStep{5000.0f, 5010, 4990}),
                         [](const auto &info) {
                             return paramName("Zoom" + std::to_string(int(info.param.from * 10)),
                                              info.index);
                         });

TEST(BestFitZoom, FollowsTheLimitingSide)
{
    EXPECT_FLOAT_EQ(ZoomArithmetic::bestFitZoom(1000, 1000, 1272, 1024), 100000.0f / 1272.0f);
    EXPECT_FLOAT_EQ(ZoomArithmetic::bestFitZoom(1000, 700, 1272, 1024), 68.359375f);
    EXPECT_FLOAT_EQ(ZoomArithmetic::bestFitZoom(800, 600, 1272, 1024), 58.59375f);
    // Equal counts as limited by the height: 1000 x 1024 / 1272 truncates to 805, so a 1000 x 805
    // area gives 80500 / 1024 = 78.613... (the readout " 78.61% "), not 100000 / 1272 = 78.616...
    EXPECT_FLOAT_EQ(ZoomArithmetic::bestFitZoom(1272, 1024, 1272, 1024), 100.0f);
    EXPECT_EQ(ZoomArithmetic::bestFitZoom(1000, 805, 1272, 1024), 78.61328125f);
    // No size to fit: nothing to divide by.
    EXPECT_FLOAT_EQ(ZoomArithmetic::bestFitZoom(800, 600, 0, 0), 100.0f);
}

using CQuillon2ViewTest = ViewFixture;
using RealControlViewTest = RealControlViewFixture;

TEST_F(CQuillon2ViewTest, InitialUpdateSetsUpTheControlGreysMenusReadsSettingsAndAsks)
{
    settings->write(Setting::Qfactor, 250);
    settings->write(Setting::Gamma, 0);
    settings->write(Setting::Sharpness, 5);
    view->OnInitialUpdate();
    EXPECT_EQ(control.commands(),
              (Calls{"SetOption20(false)", "SetAppearance(0)", "SetOption6(1)", "SetOption19(0)",
                     "SetRepaintEnabled(true)", "SetAutoSize(false)", "SetOption57(true)",
                     "SetOption5(true)"}));
    EXPECT_EQ(frame->events, (std::vector<std::string>{"menu 1 off", "menu 3 off"}));
    EXPECT_EQ(view->picture().m_qFactor, 250);
    EXPECT_EQ(view->picture().m_gamma, 0);
    EXPECT_EQ(view->picture().m_sharpnessIndex, 5);
    EXPECT_EQ(view->picture().m_sharpenAmount, 900);
    // The camera answered ready: nothing shown, no polling.
    EXPECT_TRUE(frame->statusRequests.empty());
    EXPECT_FALSE(view->readiness().isTimerArmed());
    EXPECT_TRUE(view->commandContext().cameraReady);
}

TEST_F(CQuillon2ViewTest, InitialUpdateStartsPollingWhenTheCameraIsNotReady)
{
    camera.unplug();
    view->OnInitialUpdate();
    EXPECT_EQ(frame->statusRequests, std::vector<int>{StringId::NotReady});
    EXPECT_TRUE(view->readiness().isTimerArmed());
    EXPECT_TRUE(presenter.shown.empty());

    camera.plug();
    camera.setInitializing(1);
    makeView();
    frame->statusRequests.clear();
    view->OnInitialUpdate();
    EXPECT_EQ(frame->statusRequests, std::vector<int>{StringId::Initializing});
    EXPECT_TRUE(view->readiness().isTimerArmed());
}

TEST_F(CQuillon2ViewTest, SharpnessStepsOutsideTheTableMeanNoSharpening)
{
    EXPECT_EQ(view->SharpenAmountForIndex(0), -1000);
    EXPECT_EQ(view->SharpenAmountForIndex(6), 950);
    pictureSettings().m_sharpnessIndex = 9;
    EXPECT_EQ(view->SharpenAmountForIndex(9), 0);
    EXPECT_EQ(view->picture().m_sharpnessIndex, 3);
    pictureSettings().m_sharpnessIndex = -2;
    EXPECT_EQ(view->SharpenAmountForIndex(-2), 0);
    EXPECT_EQ(view->picture().m_sharpnessIndex, 3);

    settings->write(Setting::Sharpness, 9);
    view->OnInitialUpdate();
    EXPECT_EQ(view->picture().m_sharpnessIndex, 3);
    EXPECT_EQ(view->picture().m_sharpenAmount, 0);
}

TEST_F(CQuillon2ViewTest, ZoomCommandsSetTheZoomInTheirOrderAndShowIt)
{
    captureOnce();
    control.zoomPercent = 37.5f;
    view->OnZoomIn();
    EXPECT_EQ(control.commands(),
              (Calls{"SetOption57(true)", "SetSizeMode(4)", "SetZoomPercent(40)"}));
    EXPECT_EQ(frame->zoomReadouts.back(), 40.0f);

    control.clear();
    control.zoomPercent = 10.9f;
    view->OnZoomOut();
    EXPECT_TRUE(control.commands().empty());

    view->OnActualSize();
    EXPECT_EQ(control.zoomPercent, 100.0f);
    view->OnBestFit();
    EXPECT_FLOAT_EQ(control.zoomPercent, 58.59375f); // 1272 x 1024 in 800 x 600
    EXPECT_FLOAT_EQ(frame->zoomReadouts.back(), 58.59375f);
}

TEST_F(CQuillon2ViewTest, OpenModeToggles)
{
    EXPECT_FALSE(view->openEnabled());
    view->OnToggleOpenMode();
    EXPECT_TRUE(view->openEnabled());
    view->OnToggleOpenMode();
    EXPECT_FALSE(view->openEnabled());
}

TEST_F(CQuillon2ViewTest, RefreshRepaintsOnlyAShownImage)
{
    view->RefreshImage();
    EXPECT_TRUE(control.callsTo("Repaint").empty());
    captureOnce();
    view->RefreshImage();
    EXPECT_EQ(control.callsTo("Repaint").size(), 1u);
}

TEST_F(CQuillon2ViewTest, DestructionStopsPollingAndDropsTheImage)
{
    camera.unplug();
    view->OnInitialUpdate();
    ASSERT_TRUE(view->readiness().isTimerArmed());
    control.clear();
    view.reset();
    EXPECT_EQ(control.commands(), Calls{"SetImageHandle(0)"});
}

TEST_F(RealControlViewTest, ControlCoversTheWholeClientAreaAndKeepsItsZoomOnResize)
{
    view->resize(640, 480);
    view->show();
    auto *control = view->findChild<CImageCtrl *>();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(0, 0, 640, 480));
    view->OnInitialUpdate();
    view->OnCapture();
    ASSERT_TRUE(view->hasImage());
    const float zoom = control->GetZoomPercent();
    view->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(control->geometry(), QRect(0, 0, 900, 700));
    EXPECT_EQ(control->GetZoomPercent(), zoom);
}
} // namespace
