// SPDX-License-Identifier: MIT
#include "remote/CBitmapButton.h"
#include "remote/PanelBitmaps.h"
#include "remote/RemoteControlTable.h"
#include "tests/TestSupport.h"
#include "tests/remote/RemotePanelFixture.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>

using namespace RemoteControl;
using ::testing::ElementsAre;
using Commands = std::vector<std::string>;

namespace {
constexpr int Tele = 1017, Wide = 1018, IrisOpen = 1021, UpLeft = 1009, Up = 1010;
constexpr int Rotation90 = 1026, Svga = 1030, Xga = 1031;

// The panel's settings as the camera reports them.
TEST_F(RemotePanelTest, OpensShowingTheCameraSettings)
{
    setCamera({"PL2  ", "AV2  ", "RO3  ", "NP1  ", "GM0  ", "LL1  ", "PO1  "});
    open();
    EXPECT_EQ(panel->lampState(), 2);
    EXPECT_FALSE(isOn(BaseLampId));
    EXPECT_TRUE(isOn(UpperLampId));
    EXPECT_TRUE(isOn(Rgb2Id));
    EXPECT_FALSE(isOn(Xga)) << "a resolution counts only while no RGB input is selected";
    EXPECT_TRUE(isOn(1028));
    EXPECT_TRUE(isOn(NegaPosiId));
    EXPECT_FALSE(isOn(ColorBwId));
    EXPECT_TRUE(isOn(GammaId));
    EXPECT_TRUE(isOn(LockId));
    EXPECT_TRUE(hold(UpLeft)->isEnabled());
    // RGB input locks 2x and PAUSE.
    EXPECT_FALSE(toggle(DoubleZoomId)->isEnabled());
    EXPECT_FALSE(toggle(PauseId)->isEnabled());
    EXPECT_EQ(commandsSinceOpen().size(), 0u);
    EXPECT_THAT(unit.receivedCommands(), ::testing::Contains("QS2  "));
}

TEST_F(RemotePanelTest, IsAFixedSizeToolWindowCentredOnTheScreen)
{
    open();
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Remote control"));
    EXPECT_EQ(panel->size(), QSize(330, 480));
    EXPECT_EQ(panel->minimumSize(), panel->maximumSize());
    EXPECT_TRUE(panel->windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(panel->isModal());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(panel->frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(panel->frameGeometry().center().y() - screen.center().y()), 1);
}

// The one control table: every key is laid out at its rectangle, of its class, with its images.
TEST_F(RemotePanelTest, EveryKeyFollowsTheControlTable)
{
    open();
    ASSERT_EQ(controlTable().size(), std::size_t(ControlCount));
    for (const ControlRow &row : controlTable()) {
        SCOPED_TRACE(row.id);
        ASSERT_EQ(findControl(row.id), &row);
        QAbstractButton *key = panel->control(row.id);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->geometry(), row.rect);
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
        switch (row.kind) {
        case ButtonKind::Toggle:
            ASSERT_NE(toggle(row.id), nullptr);
            EXPECT_EQ(toggle(row.id)->onImageId(), row.images[0]);
            EXPECT_EQ(toggle(row.id)->offImageId(), row.images[1]);
            EXPECT_EQ(toggle(row.id)->hitSize(), row.hitSize);
            EXPECT_EQ(panelBitmap(row.images[0], panel->palette()).size(), row.hitSize);
            break;
        case ButtonKind::Hold:
            ASSERT_NE(hold(row.id), nullptr);
            EXPECT_EQ(hold(row.id)->pressedImageId(), row.images[0]);
            EXPECT_EQ(hold(row.id)->normalImageId(), row.images[1]);
            EXPECT_EQ(hold(row.id)->disabledImageId(), row.images[2]);
            break;
        case ButtonKind::Push:
            ASSERT_NE(qobject_cast<CBitmapButton *>(key), nullptr);
            EXPECT_FALSE(
                panelBitmap(static_cast<CBitmapButton *>(key)->currentImageId(), panel->palette())
                    .isNull());
            break;
        }
    }
    // Ids that are not keys are not looked up past the table.
    EXPECT_EQ(findControl(1005), nullptr);
    EXPECT_EQ(findControl(1041), nullptr);
}

struct HoldCase
{
    int id;
    const char *start;
    const char *stop;
};

class HoldKeyTest : public RemotePanelTest, public ::testing::WithParamInterface<HoldCase>
{};

TEST_P(HoldKeyTest, PressStartsAndReleaseStops)
{
    setCamera({"PO1  "});
    open();
    press(GetParam().id);
    EXPECT_EQ(hold(GetParam().id)->pressed(), 1);
    release(GetParam().id);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre(GetParam().start, GetParam().stop));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HoldKeyTest,
    ::testing::Values(HoldCase{Tele, "ZO+  ", "ZO0  "}, HoldCase{Wide, "ZO-  ", "ZO0  "},
                      HoldCase{1019, "FO+  ", "FO0  "}, HoldCase{1020, "FO-  ", "FO0  "},
                      HoldCase{IrisOpen, "IR+  ", "IR0  "}, HoldCase{1022, "IR-  ", "IR0  "},
                      HoldCase{UpLeft, "PM6  ", "PM0  "}, HoldCase{Up, "PM3  ", "PM0  "},
                      HoldCase{1013, "PM1  ", "PM0  "}, HoldCase{1016, "PM7  ", "PM0  "}),
    [](const auto &info) { return paramName(info.param.start, info.index); });

TEST_F(RemotePanelTest, DoubleClickOnAHoldKeyStartsAndStopsTwice)
{
    open();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, centreOf(Tele));
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO+  ", "ZO0  ", "ZO+  ", "ZO0  "));
}

// The stop reaches the key that started the motion even when the pointer has left it.
TEST_F(RemotePanelTest, ReleaseAwayFromAHeldKeyStillStops)
{
    open();
    press(Tele);
    QTest::mouseMove(window(), centreOf(Wide));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, centreOf(Wide));
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO+  ", "ZO0  "));
    EXPECT_EQ(hold(Tele)->pressed(), 0);
}

struct ClickCase
{
    int id;
    const char *command;
};

class ClickKeyTest : public RemotePanelTest, public ::testing::WithParamInterface<ClickCase>
{};

// From the simulator's start: everything off, XGA, rotation 0, no lamp, gamma off.
TEST_P(ClickKeyTest, SendsItsCommand)
{
    open();
    click(GetParam().id);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre(GetParam().command));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClickKeyTest,
    ::testing::Values(ClickCase{LockId, "LL1  "}, ClickCase{PointerId, "PO1  "},
                      ClickCase{DoubleZoomId, "MA1  "}, ClickCase{BaseLampId, "PL1  "},
                      ClickCase{UpperLampId, "PL2  "}, ClickCase{1027, "RO2  "},
                      ClickCase{Rotation90, "RO1  "}, ClickCase{1029, "RS0  "},
                      ClickCase{1032, "RS3  "}, ClickCase{Xga, "RS2  "}, ClickCase{Rgb1Id, "AV1  "},
                      ClickCase{Rgb2Id, "AV2  "}, ClickCase{PauseId, "FZ1  "},
                      ClickCase{NegaPosiId, "NP1  "}, ClickCase{ColorBwId, "CB1  "},
                      ClickCase{GammaId, "GM0  "}, ClickCase{AutoFocusId, "AF0  "},
                      ClickCase{IrisNormalId, "IR1  "}),
    [](const auto &info) { return paramName(info.param.command, info.index); });

TEST_F(RemotePanelTest, LampsAreAPairOfWhichAtMostOneIsLit)
{
    setCamera({"PL2  "});
    open();
    click(BaseLampId);
    EXPECT_TRUE(isOn(BaseLampId));
    EXPECT_FALSE(isOn(UpperLampId));
    click(BaseLampId);
    EXPECT_FALSE(isOn(BaseLampId) || isOn(UpperLampId));
    EXPECT_EQ(panel->lampState(), 0);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("PL1  ", "PL0  "));
    EXPECT_EQ(unit.settings().lamp, 0);
}

TEST_F(RemotePanelTest, ClickingTheSelectedKeyOfAGroupKeepsItAndSendsAgain)
{
    open();
    click(Xga);
    click(Rotation90);
    click(Rotation90);
    EXPECT_TRUE(isOn(Xga));
    EXPECT_TRUE(isOn(Rotation90));
    EXPECT_FALSE(isOn(FirstRotationId));
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("RS2  ", "RO1  ", "RO1  "));
}

TEST_F(RemotePanelTest, RgbInputsShareTheResolutionGroupAndLock2xAndPause)
{
    open();
    click(Rgb2Id);
    EXPECT_FALSE(isOn(Xga));
    EXPECT_FALSE(toggle(DoubleZoomId)->isEnabled());
    EXPECT_FALSE(toggle(PauseId)->isEnabled());
    // Locked keys do not react.
    click(DoubleZoomId);
    click(PauseId);
    EXPECT_FALSE(isOn(DoubleZoomId));
    click(Svga);
    EXPECT_FALSE(isOn(Rgb2Id));
    EXPECT_TRUE(toggle(DoubleZoomId)->isEnabled());
    EXPECT_TRUE(toggle(PauseId)->isEnabled());
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("AV2  ", "RS1  "));
}

class PauseReleaseTest : public RemotePanelTest, public ::testing::WithParamInterface<int>
{};

// Choosing a new rotation or resolution ends a pause on its own; the camera is not told again.
TEST_P(PauseReleaseTest, RotationOrResolutionReleasesPause)
{
    open();
    click(PauseId);
    ASSERT_TRUE(isOn(PauseId));
    EXPECT_FALSE(toggle(ColorBwId)->isEnabled());
    click(GetParam());
    EXPECT_FALSE(isOn(PauseId));
    EXPECT_TRUE(toggle(ColorBwId)->isEnabled());
    ASSERT_EQ(commandsSinceOpen().size(), 2u);
    EXPECT_EQ(commandsSinceOpen()[0], "FZ1  ");
    EXPECT_NE(commandsSinceOpen()[1].substr(0, 2), "FZ");
}

INSTANTIATE_TEST_SUITE_P(Keys, PauseReleaseTest, ::testing::Values(Rotation90, 1028, 1029, Svga),
                         [](const auto &info) { return "Control" + std::to_string(info.param); });

TEST_F(RemotePanelTest, RgbInputLeavesPauseOn)
{
    open();
    click(PauseId);
    click(Rgb1Id);
    EXPECT_TRUE(isOn(PauseId));
    EXPECT_FALSE(toggle(ColorBwId)->isEnabled());
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("FZ1  ", "AV1  "));
}

TEST_F(RemotePanelTest, ArrowsFollowPointerOnlyOnceTheCameraAgrees)
{
    open();
    for (int id = FirstArrowId; id <= LastArrowId; ++id)
        EXPECT_FALSE(hold(id)->isEnabled()) << id;
    EXPECT_EQ(hold(Up)->currentImageId(), 189);
    // A disabled arrow sends nothing.
    click(Up);
    EXPECT_TRUE(commandsSinceOpen().empty());

    unit.refuseNextCommand();
    click(PointerId);
    EXPECT_TRUE(isOn(PointerId)) << "the key keeps what it shows";
    EXPECT_FALSE(hold(Up)->isEnabled());
    EXPECT_EQ(presenter.codes(), std::vector<int>{5});

    click(PointerId); // off, acknowledged: still disabled
    click(PointerId); // on, acknowledged
    EXPECT_TRUE(hold(Up)->isEnabled());
    EXPECT_EQ(hold(Up)->currentImageId(), 188);
    click(Up);
    EXPECT_THAT(commandsSinceOpen(),
                ElementsAre("PO1  ", "QS3  ", "PO0  ", "PO1  ", "PM3  ", "PM0  "));
}

TEST_F(RemotePanelTest, CaptionsFollowPosiNegaAndColourWithPartialRepaints)
{
    open();
    struct PaintLog : QObject
    {
        std::vector<QRect> rects;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                rects.push_back(static_cast<QPaintEvent *>(event)->rect());
            return false;
        }
    } log;
    const auto shows = [this](const QRect &area, int bitmap) {
        return panel->grab(area).toImage().convertToFormat(QImage::Format_RGB32) ==
               panelBitmap(bitmap, panel->palette())
                   .toImage()
                   .convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(shows(CRemoteControlDlg::NegaPosiCaption, 217));
    EXPECT_TRUE(shows(CRemoteControlDlg::ColorBwCaption, 219));
    // Only the clicks' own paints are logged; grabbing paints too.
    panel->installEventFilter(&log);
    click(NegaPosiId);
    click(ColorBwId);
    panel->removeEventFilter(&log);
    EXPECT_THAT(log.rects, ::testing::Contains(CRemoteControlDlg::NegaPosiCaption));
    EXPECT_THAT(log.rects, ::testing::Contains(CRemoteControlDlg::ColorBwCaption));
    EXPECT_THAT(log.rects, ::testing::Not(::testing::Contains(panel->rect())));
    EXPECT_TRUE(shows(CRemoteControlDlg::NegaPosiCaption, 218));
    EXPECT_TRUE(shows(CRemoteControlDlg::ColorBwCaption, 220));
}

// A camera whose replies carry digits outside their ranges.
TEST_F(RemotePanelTest, OutOfRangeStatusDigitsLightNothing)
{
    ScriptedTransport camera;
    camera.setReply("QS0  ", {'3', '/', '2', '0', '7', '0', '0', '0'});
    camera.setReply("QS2  ", {'4', '0', '9'});
    open(&camera);
    for (int id = FirstControlId; id <= LastControlId; ++id) {
        if (toggle(id) && id != GammaId) {
            EXPECT_FALSE(isOn(id)) << id;
        }
    }
    EXPECT_TRUE(isOn(GammaId));
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(RemotePanelTest, EnterKeepsThePanelOpenAndEscapeClosesIt)
{
    open();
    QTest::keyClick(panel.data(), Qt::Key_Return);
    QTest::keyClick(panel.data(), Qt::Key_Enter, Qt::KeypadModifier);
    runDeferredDeletes();
    ASSERT_FALSE(panel.isNull());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(host.destroyedCalls, 0);
    EXPECT_TRUE(commandsSinceOpen().empty()) << "Enter clicked a key";

    QTest::keyClick(panel.data(), Qt::Key_Escape);
    EXPECT_EQ(host.destroyedCalls, 1);
    EXPECT_TRUE(host.panel.isNull());
    runDeferredDeletes();
    EXPECT_TRUE(panel.isNull());
}

TEST_F(RemotePanelTest, CloseBoxClosesThePanel)
{
    open();
    EXPECT_TRUE(panel->close());
    EXPECT_EQ(host.destroyedCalls, 1);
    runDeferredDeletes();
    EXPECT_TRUE(panel.isNull());
}

// Hide and a queued close may both reach a panel; the owner must hear of it once, or it would
// forget a panel opened in between.
TEST_F(RemotePanelTest, OwnerIsToldOnceWhenClosedTwice)
{
    open();
    host.CloseRemotePanel();
    panel->OnCancel();
    runDeferredDeletes();
    EXPECT_EQ(host.destroyedCalls, 1);
    EXPECT_TRUE(panel.isNull());
}

TEST_F(RemotePanelTest, FailedStatusQueryClosesThePanelAfterCreate)
{
    ScriptedTransport camera;
    camera.setMissing(std::string(CommandPipeName));
    open(&camera, false);
    EXPECT_EQ(presenter.codes(), std::vector<int>{2});
    EXPECT_EQ(camera.openCount(std::string(ReplyPipeName)), 0) << "read after a failed query";
    // Still there when Create has returned; gone once the event loop has run.
    ASSERT_FALSE(panel.isNull());
    EXPECT_EQ(host.destroyedCalls, 0);
    EXPECT_TRUE(waitUntil([this] {
        runDeferredDeletes();
        return panel.isNull();
    }));
    EXPECT_EQ(host.destroyedCalls, 1);
}

// A close that arrives while a key's command is still running (here a queued one, run by the
// message box's own event loop, as when the camera is unplugged meanwhile) must not delete the
// panel under the key.
TEST_F(RemotePanelTest, CloseDuringAKeyHandlerWaitsForTheHandler)
{
    open();
    bool aliveInHandler = false;
    presenter.onShow = [this, &aliveInHandler](int) {
        host.CloseRemotePanel();
        QEventLoop modal;
        QTimer::singleShot(0, &modal, &QEventLoop::quit);
        modal.exec();
        aliveInHandler = !panel.isNull();
    };
    unit.unplug();
    click(LockId);
    EXPECT_TRUE(aliveInHandler);
    EXPECT_EQ(presenter.codes(), std::vector<int>{2});
    EXPECT_EQ(host.destroyedCalls, 1);
    EXPECT_TRUE(waitUntil([this] {
        runDeferredDeletes();
        return panel.isNull();
    }));
}

class DeletedInMessageBoxTest : public RemotePanelTest, public ::testing::WithParamInterface<int>
{};

// The panel's owner window may go away while a message box of one of its keys is open; the key
// and the handler below it must not touch the deleted panel (the sanitizer build checks that).
TEST_P(DeletedInMessageBoxTest, KeyHandlerStopsTouchingThePanel)
{
    open();
    presenter.onShow = [this](int) {
        delete panel.data();
    };
    unit.unplug();
    const QPoint at = centreOf(GetParam());
    // A hold key acts on its press, the others on their release.
    QTest::mousePress(window(), Qt::LeftButton, {}, at);
    if (panel)
        QTest::mouseRelease(window(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(panel.isNull());
    EXPECT_EQ(presenter.codes(), std::vector<int>{2});
}

INSTANTIATE_TEST_SUITE_P(Keys, DeletedInMessageBoxTest,
                         ::testing::Values(LockId, PointerId, Tele, AutoFocusId),
                         [](const auto &info) { return "Control" + std::to_string(info.param); });

TEST_F(RemotePanelTest, DeletedWhileReadingTheCameraSettings)
{
    ScriptedTransport camera;
    camera.setMissing(std::string(ReplyPipeName));
    presenter.onShow = [this](int) {
        delete panel.data();
    };
    open(&camera, false);
    EXPECT_TRUE(panel.isNull());
    EXPECT_EQ(presenter.codes(), (std::vector<int>{3, 3}));
}

} // namespace
