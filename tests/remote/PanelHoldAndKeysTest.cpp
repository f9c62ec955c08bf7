// SPDX-License-Identifier: MIT
#include "link/ReadinessMonitor.h"
#include "remote/PanelKeys.h"
#include "remote/RemoteControlTable.h"
#include "tests/TestSupport.h"
#include "tests/doubles/RecordingStatusSink.h"
#include "tests/remote/RemotePanelFixture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QKeySequence>

#include <array>
#include <string>

using namespace RemoteControl;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Commands = std::vector<std::string>;

namespace {
constexpr int Tele = 1017, Near = 1019, Up = 1010;

struct FailedHoldCase
{
    const char *fault;
    int id;
    Commands sent; // after the panel opened; the key's release comes later and adds nothing
    std::vector<int> messages;
};

class FailedHoldTest : public RemotePanelTest, public ::testing::WithParamInterface<FailedHoldCase>
{};

// A message box opened by the press swallows the button-up: the key must not stay pressed, and
// a motion the camera was told to start must be told to stop, once.
TEST_P(FailedHoldTest, KeyIsReleasedAndAStartedMotionStopped)
{
    const FailedHoldCase &c = GetParam();
    open();
    const std::string fault = c.fault;
    if (fault == "reply-fail")
        unit.failNextReplyPipe();
    else if (fault == "nak")
        unit.refuseNextCommand();
    else
        unit.unplug();
    press(c.id);
    EXPECT_EQ(hold(c.id)->pressed(), 0);
    EXPECT_THAT(commandsSinceOpen(), ElementsAreArray(c.sent));
    release(c.id);
    EXPECT_THAT(commandsSinceOpen(), ElementsAreArray(c.sent));
    EXPECT_EQ(presenter.codes(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedHoldTest,
    ::testing::Values(FailedHoldCase{"reply-fail", Near, {"FO+  ", "FO0  "}, {3}},
                      FailedHoldCase{"nak", Tele, {"ZO+  ", "QS3  ", "ZO0  "}, {5}},
                      // Never reached the camera: nothing to stop, and no second message.
                      FailedHoldCase{"unplug", Tele, {}, {2}}),
    [](const auto &info) { return paramName(info.param.fault, info.index); });

enum class CloseWay
{
    Escape,
    HideCommand,
    CloseBox,
    LinkRequest,
};

std::string closeWayName(const ::testing::TestParamInfo<CloseWay> &info)
{
    static constexpr std::array<const char *, 4> names{"Escape", "HideCommand", "CloseBox",
                                                       "LinkRequest"};
    return names[std::size_t(info.param)];
}

class CloseDuringHoldTest : public RemotePanelTest, public ::testing::WithParamInterface<CloseWay>
{};

TEST_P(CloseDuringHoldTest, StopIsSentBeforeThePanelGoes)
{
    open();
    press(Tele);
    switch (GetParam()) {
    case CloseWay::Escape:
        QTest::keyClick(panel.data(), Qt::Key_Escape);
        break;
    case CloseWay::HideCommand:
        panel->OnCancel();
        break;
    case CloseWay::CloseBox:
        panel->close();
        break;
    case CloseWay::LinkRequest:
        host.CloseRemotePanel();
        break;
    }
    EXPECT_TRUE(waitUntil([this] {
        runDeferredDeletes();
        return panel.isNull();
    }));
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO+  ", "ZO0  "));
    EXPECT_TRUE(presenter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseDuringHoldTest,
                         ::testing::Values(CloseWay::Escape, CloseWay::HideCommand,
                                           CloseWay::CloseBox, CloseWay::LinkRequest),
                         closeWayName);

TEST_F(RemotePanelTest, NoStopIsSentOverALinkMarkedDown)
{
    open();
    press(Tele);
    host.linkDown = true;
    panel->OnCancel();
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO+  "));
    EXPECT_TRUE(presenter.shown.empty());
}

struct KeyCase
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Commands sent;
};

class PanelKeyTest : public RemotePanelTest, public ::testing::WithParamInterface<KeyCase>
{};

// Pressed, repeated by the keyboard and released; the pointer is on.
TEST_P(PanelKeyTest, KeyWorksItsControl)
{
    setCamera({"PO1  "});
    open();
    const KeyCase &c = GetParam();
    QTest::keyPress(panel.data(), c.key, c.modifiers);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, c.key, c.modifiers, QString(), true);
        QCoreApplication::sendEvent(panel.data(), &again);
    }
    QTest::keyRelease(panel.data(), c.key, c.modifiers);
    EXPECT_THAT(commandsSinceOpen(), ElementsAreArray(c.sent));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PanelKeyTest,
    ::testing::Values(KeyCase{Qt::Key_Plus, Qt::ShiftModifier, {"ZO+  ", "ZO0  "}},
                      KeyCase{Qt::Key_Minus, Qt::KeypadModifier, {"ZO-  ", "ZO0  "}},
                      KeyCase{Qt::Key_PageUp, {}, {"FO+  ", "FO0  "}},
                      KeyCase{Qt::Key_PageDown, {}, {"FO-  ", "FO0  "}},
                      KeyCase{Qt::Key_PageUp, Qt::KeypadModifier, {"PM5  ", "PM0  "}},
                      KeyCase{Qt::Key_7, Qt::KeypadModifier, {"PM6  ", "PM0  "}},
                      KeyCase{Qt::Key_Left, {}, {"PM2  ", "PM0  "}},
                      KeyCase{Qt::Key_Asterisk, {}, {"IR+  ", "IR0  "}},
                      KeyCase{Qt::Key_L, {}, {"LL1  "}}, KeyCase{Qt::Key_F6, {}, {"RO1  "}},
                      KeyCase{Qt::Key_4, {}, {"RS3  "}}, KeyCase{Qt::Key_6, {}, {"AV2  "}},
                      KeyCase{Qt::Key_U, {}, {"PL2  "}}, KeyCase{Qt::Key_Space, {}, {"FZ1  "}},
                      KeyCase{Qt::Key_A, {}, {"AF0  "}}, KeyCase{Qt::Key_I, {}, {"IR1  "}},
                      // The program's own shortcuts are not the panel's.
                      KeyCase{Qt::Key_L, Qt::ControlModifier, {}}),
    [](const auto &info) {
        const QKeySequence keys(info.param.modifiers | info.param.key);
        return paramName(keys.toString().toStdString(), info.index);
    });

// X repeats a held key as releases and presses of the same time, which Qt did not always mark
// as repeats: 1.5 s of + sent a start and a stop for each. A press at another time is a press.
TEST_F(RemotePanelTest, AKeyRepeatedByTheKeyboardStartsOnceAndStopsWhenItGoesUp)
{
    open();
    const auto key = [this](QEvent::Type type, quint64 time) {
        QKeyEvent event(type, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
        event.setTimestamp(time);
        QCoreApplication::sendEvent(panel.data(), &event);
    };
    key(QEvent::KeyPress, 1000);
    for (quint64 time = 1500; time < 2500; time += 40) {
        key(QEvent::KeyRelease, time);
        key(QEvent::KeyPress, time);
    }
    key(QEvent::KeyRelease, 2600);
    key(QEvent::KeyPress, 2610);
    key(QEvent::KeyRelease, 2700);
    ASSERT_TRUE(
        waitUntil([&] { return commandsSinceOpen().size() >= 4 && !hold(Tele)->pressed(); }));
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO+  ", "ZO0  ", "ZO+  ", "ZO0  "));
}

// TELE held, the camera unplugged, the key let go, the camera back: it had been told "ZO+  " and
// never "ZO0  ". Whether the panel closed over the removal or the key went up first, the stop
// goes out once, when the camera answers again.
class UnpluggedHoldTest : public RemotePanelTest, public ::testing::WithParamInterface<bool>
{};

TEST_P(UnpluggedHoldTest, GetsItsStopOnceWhenTheCameraReturns)
{
    const bool panelClosedFirst = GetParam();
    open();
    press(Tele);
    ASSERT_TRUE(unit.unplug());
    host.linkDown = true;
    if (panelClosedFirst)
        panel->OnCancel();
    else
        release(Tele);
    runDeferredDeletes();
    ASSERT_THAT(commandsSinceOpen(), ElementsAre("ZO+  "));

    ASSERT_TRUE(unit.plug());
    host.linkDown = false;
    RecordingStatusSink status;
    ReadinessMonitor readiness(*link, host, status);
    EXPECT_EQ(readiness.QueryReadiness(), 0);
    EXPECT_EQ(readiness.QueryReadiness(), 0);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO+  ", "QS4  ", "ZO0  ", "QS4  "));
}

INSTANTIATE_TEST_SUITE_P(Orders, UnpluggedHoldTest, ::testing::Bool(), [](const auto &info) {
    return std::string(info.param ? "PanelClosedByTheRemoval" : "KeyLetGoFirst");
});

TEST_F(RemotePanelTest, ArrowKeysDoNothingWhilePointerIsOff)
{
    open();
    QTest::keyClick(panel.data(), Qt::Key_Up);
    QTest::keyClick(panel.data(), Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(commandsSinceOpen().empty());
}

// Its release would go to another window: the motion stops when the panel loses the keyboard.
TEST_F(RemotePanelTest, KeyHoldEndsWhenThePanelIsDeactivated)
{
    open();
    QTest::keyPress(panel.data(), Qt::Key_PageDown);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(panel.data(), &deactivate);
    QTest::keyRelease(panel.data(), Qt::Key_PageDown);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("FO-  ", "FO0  "));
    EXPECT_EQ(hold(1020)->pressed(), 0);
}

// A message box took the failed key's release; the next press of that key must work.
TEST_F(RemotePanelTest, KeyHoldWorksAgainAfterAFailedOne)
{
    open();
    unit.failNextReplyPipe();
    QTest::keyPress(panel.data(), Qt::Key_Minus);
    QTest::keyClick(panel.data(), Qt::Key_Minus);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("ZO-  ", "ZO0  ", "ZO-  ", "ZO0  "));
}

TEST_F(RemotePanelTest, OpensActive)
{
    open();
    EXPECT_TRUE(QTest::qWaitForWindowActive(panel.data()));
}

// Every keyboard key of the table works its own control only, and each control says its keys.
TEST(PanelKeys, EachKeyBelongsToOneControl)
{
    for (const PanelKeyRow &row : panelKeyTable()) {
        ASSERT_NE(findControl(row.id), nullptr) << row.name;
        for (const KeyboardKey &key : row.keys) {
            if (key.key == Qt::Key_unknown)
                continue;
            const auto modifiers =
                key.place == KeyPlace::NumericPad ? Qt::KeypadModifier : Qt::NoModifier;
            EXPECT_EQ(controlForKey(key.key, modifiers), row.id) << row.name;
        }
        EXPECT_TRUE(keysDescription(row).startsWith(u"Key")) << row.name;
    }
    EXPECT_EQ(keysDescription(panelKeyTable()[Up - FirstControlId]),
              QStringLiteral("Keys: Up, numeric pad 8"));
}

// What a screen reader is told: a distinct name per key, its keyboard keys, its state.
TEST_F(RemotePanelTest, KeysAreNamedAndShowTheirStateToAssistiveTechnology)
{
    setCamera({"PO1  ", "LL1  "});
    open();
    QStringList names;
    for (const PanelKeyRow &row : panelKeyTable()) {
        QAccessibleInterface *key = QAccessible::queryAccessibleInterface(panel->control(row.id));
        ASSERT_NE(key, nullptr);
        const bool chosenInGroup = RotationGroup.contains(row.id) || SourceGroup.contains(row.id);
        EXPECT_EQ(key->role(), !toggle(row.id) ? QAccessible::Button
                               : chosenInGroup ? QAccessible::RadioButton
                                               : QAccessible::CheckBox)
            << row.id;
        names << key->text(QAccessible::Name);
        EXPECT_EQ(key->text(QAccessible::Description), keysDescription(row));
        EXPECT_EQ(panel->control(row.id)->toolTip(),
                  key->text(QAccessible::Name) + u'\n' + keysDescription(row));
        EXPECT_EQ(key->state().checkable, toggle(row.id) != nullptr) << row.id;
        if (toggle(row.id)) {
            EXPECT_EQ(key->state().checked, bool(isOn(row.id))) << row.id;
        }
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), ControlCount);
    EXPECT_FALSE(names.contains(QString()));

    QAccessibleInterface *lock = QAccessible::queryAccessibleInterface(toggle(LockId));
    EXPECT_TRUE(lock->state().checked);
    lock->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(lock->state().checked);
    press(Tele);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(hold(Tele))->state().pressed);
    release(Tele);
    EXPECT_THAT(commandsSinceOpen(), ElementsAre("LL0  ", "ZO+  ", "ZO0  "));
}
} // namespace
