// SPDX-License-Identifier: MIT
#include "view/CPictureAdjustDlg.h"

#include "link/ColorConversion.h"
#include "tests/view/ViewFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {
using Calls = std::vector<std::string>;

// Where a user clicks a radio button: on its indicator.
void clickRadio(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

TEST(PreviewFit, KeepsThePicturesProportionsCentredOnTheUpperPart)
{
    // 200 x 200 client: limited by the width, 200 x 161; centred at x, on 30 % of 400 in y.
    EXPECT_EQ(CPictureAdjustDlg::fittedPreviewRect({1272, 1024}, {300, 400}, {10, 10, 200, 200},
                                                   {200, 200}),
              QRect(50, (240 - 161) / 2, 200, 161));
    // A tall picture is limited by the height.
    EXPECT_EQ(
        CPictureAdjustDlg::fittedPreviewRect({100, 400}, {300, 400}, {0, 0, 200, 200}, {200, 200}),
        QRect(125, 20, 50, 200));
    // No picture: nothing to fit, the preview stays.
    EXPECT_EQ(
        CPictureAdjustDlg::fittedPreviewRect({0, 0}, {300, 400}, {7, 8, 200, 200}, {200, 200}),
        QRect(7, 8, 200, 200));
}

class CPictureAdjustDlgTest : public ViewFixture
{
protected:
    std::unique_ptr<CPictureAdjustDlg> makeDialog(int mode)
    {
        auto dialog =
            std::make_unique<CPictureAdjustDlg>(previewSource(), *frame, nullptr, &preview);
        dialog->seed(mode, view->picture());
        return dialog;
    }

    RecordingImagingControl preview;
};

TEST_F(CPictureAdjustDlgTest, SharpnessRefreshesOnlyWhenAReleasedStepChangesTheAmount)
{
    captureOnce();
    auto dialog = makeDialog(CPictureAdjustDlg::ModeSharpness);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Sharpness"));
    EXPECT_EQ(preview.callsTo("Sharpen"), Calls{"Sharpen(0)"});
    auto *slider = dialog->findChild<QSlider *>(QStringLiteral("slider"));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->value(), 3);
    EXPECT_EQ(slider->maximum(), 6);
    EXPECT_FALSE(dialog->findChild<QRadioButton *>(QStringLiteral("gammaOn"))->isVisible());

    preview.clear();
    // A drag across several steps refreshes once, when released.
    slider->setSliderDown(true);
    slider->setValue(5);
    slider->setValue(4);
    EXPECT_TRUE(preview.callsTo("LoadFromMemory").empty());
    slider->setSliderDown(false);
    EXPECT_EQ(preview.callsTo("Sharpen"), Calls{"Sharpen(800)"});

    preview.clear();
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(preview.callsTo("Sharpen"), Calls{"Sharpen(-1000)"});
    preview.clear();
    // The same amount again does not refresh.
    slider->setSliderDown(true);
    slider->setSliderDown(false);
    EXPECT_TRUE(preview.commands().empty());
    dialog->accept();
    EXPECT_EQ(dialog->sliderPos(), 0);
}

// Held for a while, an arrow key refreshes the preview once, when it is let go; the dialog opens
// in the middle of the screen, not over the main window.
TEST_F(CPictureAdjustDlgTest, HeldKeyRefreshesOnceAndTheDialogIsCentredOnTheScreen)
{
    captureOnce();
    QWidget parent;
    parent.setGeometry(0, 0, 100, 100);
    auto dialog = std::make_unique<CPictureAdjustDlg>(previewSource(), *frame, &parent, &preview);
    dialog->seed(CPictureAdjustDlg::ModeSharpness, view->picture());
    dialog->show();
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((dialog->frameGeometry().center() - centre).manhattanLength(), 2);
    auto *slider = dialog->findChild<QSlider *>(QStringLiteral("slider"));
    preview.clear();
    QTest::keyPress(slider, Qt::Key_Right);
    for (int repeat = 0; repeat < 2; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(slider, &again);
    }
    EXPECT_TRUE(preview.callsTo("Sharpen").empty());
    QTest::keyRelease(slider, Qt::Key_Right);
    EXPECT_EQ(slider->value(), 6);
    EXPECT_EQ(preview.callsTo("Sharpen"), Calls{"Sharpen(950)"});
}

TEST_F(CPictureAdjustDlgTest, GammaRefreshesWithTheOtherToneCurveOnlyOnAChange)
{
    captureOnce();
    auto dialog = makeDialog(CPictureAdjustDlg::ModeGamma);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Gamma correction"));
    auto *on = dialog->findChild<QRadioButton *>(QStringLiteral("gammaOn"));
    auto *off = dialog->findChild<QRadioButton *>(QStringLiteral("gammaOff"));
    EXPECT_TRUE(off->isChecked());
    EXPECT_FALSE(dialog->findChild<QSlider *>(QStringLiteral("slider"))->isVisible());

    preview.clear();
    clickRadio(off);
    EXPECT_TRUE(preview.commands().empty());
    clickRadio(on);
    ASSERT_EQ(preview.callsTo("LoadFromMemory").size(), 1u);
    const MemoryBlock expected = convertFrameToBitmapBlock(view->rawFrame(), view->colorCoeff(), 0);
    EXPECT_EQ(preview.lastLoadedBlock, QByteArray(reinterpret_cast<const char *>(expected.data()),
                                                  qsizetype(expected.size())));
    EXPECT_EQ(frame->statusRequests,
              (std::vector<int>{StringId::Busy, StringId::Ready, StringId::Busy, StringId::Ready}));
}

TEST_F(CPictureAdjustDlgTest, WithoutACameraFrameThePreviewStaysEmpty)
{
    captureOnce();
    openFilePicture();
    auto dialog = makeDialog(CPictureAdjustDlg::ModeSharpness);
    dialog->show();
    EXPECT_TRUE(preview.callsTo("LoadFromMemory").empty());
    EXPECT_TRUE(preview.callsTo("Repaint").empty());
    EXPECT_EQ(frame->statusRequests, (std::vector<int>{StringId::Busy, StringId::Ready}));
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(CPictureAdjustDlgTest, ConfirmedSharpnessIsStoredAndReMakesTheShownImage)
{
    captureOnce();
    answerModalDialog([](QDialog &d) {
        QTest::keyClick(d.findChild<QSlider *>(QStringLiteral("slider")), Qt::Key_End);
        d.accept();
    });
    view->OnSharpness();
    EXPECT_EQ(view->picture().m_sharpnessIndex, 6);
    EXPECT_EQ(view->picture().m_sharpenAmount, 950);
    EXPECT_EQ(settings->read(Setting::Sharpness), 6);
    EXPECT_EQ(control.commands(),
              (Calls{"SetRepaintEnabled(false)", "LoadFromMemory(3907638, 0, 0, 3907638)",
                     "Sharpen(950)", "SetRepaintEnabled(true)", "Repaint()"}));
    // Zoom and readout are not touched.
    EXPECT_TRUE(frame->zoomReadouts.empty());
}

TEST_F(CPictureAdjustDlgTest, CancelledAdjustmentsChangeNothing)
{
    captureOnce();
    for (auto command : {&CQuillon2View::OnSharpness, &CQuillon2View::OnGammaCorrection}) {
        answerModalDialog([](QDialog &d) {
            if (auto *on = d.findChild<QRadioButton *>(QStringLiteral("gammaOn")); on->isVisible())
                clickRadio(on);
            d.reject();
        });
        (view.get()->*command)();
    }
    EXPECT_TRUE(control.commands().empty());
    EXPECT_EQ(view->picture().m_gamma, 1);
    EXPECT_EQ(view->picture().m_sharpnessIndex, 3);
    // The dialog showed "ON" when it was cancelled; nothing of it may be stored.
    EXPECT_EQ(settings->read(Setting::Gamma), 1);
}

TEST_F(CPictureAdjustDlgTest, ConfirmedGammaUsesTheCurrentSharpening)
{
    settings->write(Setting::Sharpness, 4);
    captureOnce();
    answerModalDialog([](QDialog &d) {
        clickRadio(d.findChild<QRadioButton *>(QStringLiteral("gammaOn")));
        d.accept();
    });
    view->OnGammaCorrection();
    EXPECT_EQ(view->picture().m_gamma, 0);
    EXPECT_EQ(settings->read(Setting::Gamma), 0);
    EXPECT_EQ(control.callsTo("Sharpen"), Calls{"Sharpen(800)"});
}
} // namespace
