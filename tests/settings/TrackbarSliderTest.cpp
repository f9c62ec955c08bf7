// SPDX-License-Identifier: MIT
#include "settings/TrackbarSlider.h"

#include "settings/CQFactorDlg.h"
#include "tests/TestSupport.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct PageCase
{
    int minimum;
    int maximum;
    int page;
};

class TrackbarPageTest : public ::testing::TestWithParam<PageCase>
{};

TEST_P(TrackbarPageTest, PageIsAFifthOfTheRange)
{
    TrackbarSlider slider;
    slider.setRange(GetParam().minimum, GetParam().maximum);
    EXPECT_EQ(slider.pageStep(), GetParam().page);
    EXPECT_EQ(slider.singleStep(), 1);
}

INSTANTIATE_TEST_SUITE_P(Ranges, TrackbarPageTest,
                         ::testing::Values(PageCase{2, 242, 48}, PageCase{0, 6, 1},
                                           PageCase{0, 4, 1}, PageCase{0, 100, 20}),
                         [](const auto &info) {
                             return "From" + std::to_string(info.param.minimum) + "To" +
                                    std::to_string(info.param.maximum);
                         });

struct KeyCase
{
    Qt::Key key;
    int value; // from 100 on 2..242
    // The numeric pad's keys, with Num Lock off, are the same keys on the pad.
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

class TrackbarKeyTest : public ::testing::TestWithParam<KeyCase>
{};

// Held with three auto-repeats: the value moves at each, the end of tracking comes once.
TEST_P(TrackbarKeyTest, MovesAsTheTrackbarAndEndsTrackingOnRelease)
{
    TrackbarSlider slider;
    slider.setRange(2, 242);
    slider.setValue(100);
    QSignalSpy ends(&slider, &TrackbarSlider::endTrack);
    QTest::keyPress(&slider, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(slider.value(), GetParam().value);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, GetParam().key, GetParam().modifiers, QString(), true);
        QCoreApplication::sendEvent(&slider, &again);
        QKeyEvent up(QEvent::KeyRelease, GetParam().key, GetParam().modifiers, QString(), true);
        QCoreApplication::sendEvent(&slider, &up);
    }
    EXPECT_EQ(ends.count(), 0);
    QTest::keyRelease(&slider, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(ends.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, TrackbarKeyTest,
                         ::testing::Values(KeyCase{Qt::Key_Right, 101}, KeyCase{Qt::Key_Down, 101},
                                           KeyCase{Qt::Key_Left, 99}, KeyCase{Qt::Key_Up, 99},
                                           KeyCase{Qt::Key_PageDown, 148},
                                           KeyCase{Qt::Key_PageUp, 52}, KeyCase{Qt::Key_Home, 2},
                                           KeyCase{Qt::Key_End, 242},
                                           KeyCase{Qt::Key_Right, 101, Qt::KeypadModifier},
                                           KeyCase{Qt::Key_PageUp, 52, Qt::KeypadModifier},
                                           KeyCase{Qt::Key_End, 242, Qt::KeypadModifier}),
                         [](const auto &info) {
                             const QKeySequence keys(info.param.modifiers | info.param.key);
                             return paramName(keys.toString().toStdString(), info.index);
                         });

TEST(Trackbar, ClickBesideTheThumbMovesOnePageTowardThePointer)
{
    TrackbarSlider slider;
    slider.setRange(2, 242);
    slider.setValue(100);
    slider.resize(300, 30);
    QSignalSpy ends(&slider, &TrackbarSlider::endTrack);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(295, 15));
    EXPECT_EQ(slider.value(), 148);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(3, 15));
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(3, 15));
    EXPECT_EQ(slider.value(), 52);
    EXPECT_EQ(ends.count(), 3);
}

// Both dialogs open in the middle of the screen, wherever their parent is.
TEST(QFactorDialog, OpensCentredOnTheScreen)
{
    QWidget parent;
    parent.setGeometry(10, 10, 200, 150);
    parent.show();
    CQFactorDlg dialog(&parent);
    dialog.setQFactor(50);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 2);
    EXPECT_EQ(dialog.findChild<TrackbarSlider *>()->pageStep(), 48);
}
} // namespace
