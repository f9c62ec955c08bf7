// SPDX-License-Identifier: MIT
#include "remote/CHoldButton.h"
#include "remote/CToggleButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
constexpr int KeyId = 1017;

// Counts the paints a widget gets, to tell a repaint done at once from one left for later.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A key on a shown parent, as on the panel; events go straight to the key.
template<typename Key>
class KeyTest : public ::testing::Test
{
protected:
    KeyTest()
        : key(new Key(KeyId, &parent))
    {
        parent.resize(100, 60);
        key->setGeometry(10, 10, 58, 13);
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
    QWidget parent;
    Key *key;
};

class HoldButtonTest : public KeyTest<CHoldButton>
{
protected:
    HoldButtonTest() { key->setImages(182, 183, 186); }
    QSignalSpy pressed{key, &CHoldButton::buttonPressed};
    QSignalSpy released{key, &CHoldButton::buttonReleased};
};

// The pressed image must be on screen before the owner's blocking command starts.
TEST_F(HoldButtonTest, RepaintsBeforeItNotifies)
{
    PaintCounter counter;
    key->installEventFilter(&counter);
    int paintsSeen = -1;
    int imageSeen = -1;
    const auto record = [&] {
        paintsSeen = counter.paints;
        imageSeen = key->currentImageId();
    };
    QObject::connect(key, &CHoldButton::buttonPressed, record);
    QObject::connect(key, &CHoldButton::buttonReleased, record);
    QTest::mousePress(key, Qt::LeftButton);
    EXPECT_GE(paintsSeen, 1);
    EXPECT_EQ(imageSeen, 182);
    const int afterPress = counter.paints;
    QTest::mouseRelease(key, Qt::LeftButton);
    EXPECT_GT(paintsSeen, afterPress);
    EXPECT_EQ(imageSeen, 183);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).toInt(), KeyId);
    EXPECT_EQ(released.at(0).at(0).toInt(), KeyId);
    key->removeEventFilter(&counter);
}

TEST_F(HoldButtonTest, ReleaseWithoutPressStillReports)
{
    QTest::mouseRelease(key, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_EQ(released.count(), 1);
}

TEST_F(HoldButtonTest, DisabledShowsItsDisabledImageAndReportsNothing)
{
    key->setEnabled(false);
    EXPECT_EQ(key->currentImageId(), 186);
    QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(pressed.count() + released.count(), 0);
    key->setEnabled(true);
    QTest::mousePress(key, Qt::LeftButton);
    key->setEnabled(false);
    ASSERT_EQ(key->pressed(), 1);
    EXPECT_EQ(key->currentImageId(), 186) << "disabled wins over pressed";
}

class ToggleButtonTest : public KeyTest<CToggleButton>
{
protected:
    ToggleButtonTest()
    {
        key->setImages(182, 183);
        key->setHitSize({58, 13});
    }
    QSignalSpy toggled{key, &CToggleButton::buttonToggled};
};

TEST_F(ToggleButtonTest, ClickFlipsThenNotifiesWhileStillShowingOn)
{
    int stateSeen = -1;
    int imageSeen = -1;
    QObject::connect(key, &CToggleButton::buttonToggled, [&] {
        stateSeen = key->state();
        imageSeen = key->currentImageId();
    });
    QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(stateSeen, 1);
    EXPECT_EQ(imageSeen, 182);
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled.at(0).at(0).toInt(), KeyId);
    QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(key->state(), 0);
    EXPECT_EQ(key->currentImageId(), 183);
    EXPECT_EQ(toggled.count(), 2);
}

TEST_F(ToggleButtonTest, DraggedOutAndReleasedKeepsItsState)
{
    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(20, 6));
    QTest::mouseMove(key, QPoint(80, 6));
    EXPECT_EQ(key->pressed(), 0);
    EXPECT_EQ(key->currentImageId(), 183);
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(80, 6));
    EXPECT_EQ(key->state(), 0);
    EXPECT_EQ(toggled.count(), 0);
}

TEST_F(ToggleButtonTest, DraggedOutAndBackInFlips)
{
    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(20, 6));
    QTest::mouseMove(key, QPoint(20, 30));
    QTest::mouseMove(key, QPoint(30, 6));
    EXPECT_EQ(key->pressed(), 1);
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(30, 6));
    EXPECT_EQ(key->state(), 1);
    EXPECT_EQ(toggled.count(), 1);
}

// The hit rectangle starts at pixel 1 once the pointer moves; a click without movement counts
// wherever it lands.
TEST_F(ToggleButtonTest, EdgePixelsCountAsOutsideOnlyAfterAMove)
{
    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(0, 6));
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(0, 6));
    EXPECT_EQ(key->state(), 1);

    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseMove(key, QPoint(0, 6));
    EXPECT_EQ(key->pressed(), 0);
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(0, 6));
    EXPECT_EQ(key->state(), 1);

    QTest::mousePress(key, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseMove(key, QPoint(5, 0));
    EXPECT_EQ(key->pressed(), 0);
    QTest::mouseMove(key, QPoint(1, 1));
    EXPECT_EQ(key->pressed(), 1);
    QTest::mouseMove(key, QPoint(57, 12));
    EXPECT_EQ(key->pressed(), 1);
    QTest::mouseMove(key, QPoint(58, 12));
    EXPECT_EQ(key->pressed(), 0);
    QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(58, 12));
    EXPECT_EQ(toggled.count(), 1);
}

// What a real double-click delivers: press, release, double-click, release.
TEST_F(ToggleButtonTest, DoubleClickFlipsOnce)
{
    QTest::mouseDClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(30, 16));
    EXPECT_EQ(key->state(), 1);
    EXPECT_EQ(toggled.count(), 1);
    EXPECT_EQ(key->pressed(), 0);
}

TEST_F(ToggleButtonTest, OddStateIsOffAndTheNextClickTurnsItOn)
{
    key->setState(5);
    EXPECT_FALSE(key->isOn());
    EXPECT_EQ(key->currentImageId(), 183);
    QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(key->state(), 1);
}

TEST_F(ToggleButtonTest, DisabledLooksTheSameAndDoesNotReact)
{
    key->setState(1);
    key->setEnabled(false);
    EXPECT_EQ(key->currentImageId(), 182);
    QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(key->state(), 1);
    EXPECT_EQ(toggled.count(), 0);
}

} // namespace
