// SPDX-License-Identifier: MIT
#include "link/ReadinessMonitor.h"

#include "link/CameraLink.h"
#include "tests/TestSupport.h"
#include "tests/doubles/RecordingLinkHost.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/doubles/RecordingStatusSink.h"
#include "tests/doubles/ScriptedTransport.h"

#include <QSignalSpy>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
using Bytes = ScriptedTransport::Bytes;
const QString CameraKey = QString::fromLatin1(CameraHardwareKey);
const Bytes ReadyReply{0x00, 90, 113, 23, 11, 0, 0, 0};
const Bytes InitializingReply{0x01, 90, 113, 23, 11, 0, 0, 0};

enum class Camera
{
    Absent,
    Ready,
    Initializing
};

std::string cameraName(Camera camera)
{
    switch (camera) {
    case Camera::Absent:
        return "Absent";
    case Camera::Ready:
        return "Ready";
    default:
        return "Initializing";
    }
}

} // namespace

// Outside the unnamed namespace: the monitor names it as a friend.
class ReadinessMonitorTest : public ::testing::Test
{
protected:
    ReadinessMonitorTest() { m_host.monitor = &m_monitor; }

    void setCamera(Camera state)
    {
        m_transport.setMissing("PIPE00", state == Camera::Absent);
        m_transport.setReply("QS4  ",
                             state == Camera::Initializing ? InitializingReply : ReadyReply);
    }
    // A count as the polling would have left it, announced as the polling announces it.
    void setInitPollCount(int count) { m_monitor.setInitPollCount(count); }
    void logEverything()
    {
        m_presenter.log = &m_log;
        m_host.log = &m_log;
        m_status.log = &m_log;
    }

    ScriptedTransport m_transport;
    RecordingMessages m_presenter;
    RecordingLinkHost m_host{m_presenter};
    RecordingStatusSink m_status;
    CameraLink m_link{m_transport, m_host};
    ReadinessMonitor m_monitor{m_link, m_host, m_status};
    std::vector<std::string> m_log;
};

namespace {

TEST_F(ReadinessMonitorTest, StartsAsNotYetAsked)
{
    EXPECT_TRUE(m_monitor.noLink());
    EXPECT_TRUE(m_monitor.busy());
    EXPECT_EQ(m_monitor.initPollCount(), 0);
    EXPECT_FALSE(m_monitor.isReady());
    EXPECT_FALSE(m_monitor.isTimerArmed());
}

struct QueryCase
{
    Camera camera;
    int result;
    bool noLink;
    bool busy;
};

class QueryReadinessTest : public ReadinessMonitorTest,
                           public ::testing::WithParamInterface<QueryCase>
{};

TEST_P(QueryReadinessTest, SetsTheFlagsFromTheAnswer)
{
    const QueryCase &c = GetParam();
    setCamera(c.camera);
    EXPECT_EQ(m_monitor.QueryReadiness(), c.result);
    EXPECT_EQ(m_monitor.noLink(), c.noLink);
    EXPECT_EQ(m_monitor.busy(), c.busy);
    if (c.camera == Camera::Absent) {
        EXPECT_THAT(m_transport.commands(), IsEmpty());
    } else {
        EXPECT_THAT(m_transport.commands(), ElementsAre("QS4  "));
    }
    // An absent driver is never reported by a readiness query, but the panel is still closed.
    EXPECT_THAT(m_presenter.shown, IsEmpty());
    EXPECT_EQ(m_host.panelCloses, c.camera == Camera::Absent ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, QueryReadinessTest,
                         ::testing::Values(QueryCase{Camera::Absent, -1, true, false},
                                           QueryCase{Camera::Ready, 0, false, false},
                                           QueryCase{Camera::Initializing, 1, false, true}),
                         [](const auto &info) { return cameraName(info.param.camera); });

TEST_F(ReadinessMonitorTest, UnreadableReplyCountsAsReadyAfterItsMessage)
{
    setCamera(Camera::Initializing);
    m_transport.setMissing("PIPE01");
    EXPECT_EQ(m_monitor.QueryReadiness(), 0);
    EXPECT_THAT(m_presenter.codes(), ElementsAre(3));
    EXPECT_TRUE(m_monitor.isReady());
}

TEST_F(ReadinessMonitorTest, CameraVanishingAfterAnAnswerIsReportedOnce)
{
    setCamera(Camera::Ready);
    ASSERT_EQ(m_monitor.QueryReadiness(), 0);
    setCamera(Camera::Absent);
    logEverything();
    EXPECT_FALSE(m_link.SendCommand("ZO+  "));
    EXPECT_THAT(m_log, ElementsAre("message 2", "close panel"));
}

TEST_F(ReadinessMonitorTest, LastSignalSeesTheFinalFlags)
{
    std::vector<bool> seen;
    QObject::connect(&m_monitor, &ReadinessMonitor::readinessChanged,
                     [&] { seen.push_back(m_monitor.isReady()); });
    setCamera(Camera::Ready);
    m_monitor.QueryReadiness();
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(seen.back());

    seen.clear();
    setCamera(Camera::Initializing);
    m_monitor.QueryReadiness();
    ASSERT_FALSE(seen.empty());
    EXPECT_FALSE(seen.back());
}

struct InitialCase
{
    Camera camera;
    std::vector<int> status;
    bool armed;
};

class InitialUpdateTest : public ReadinessMonitorTest,
                          public ::testing::WithParamInterface<InitialCase>
{};

TEST_P(InitialUpdateTest, StartsPollingUnlessReady)
{
    setCamera(GetParam().camera);
    m_monitor.OnInitialUpdate();
    EXPECT_EQ(m_status.requests, GetParam().status);
    EXPECT_EQ(m_monitor.isTimerArmed(), GetParam().armed);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, InitialUpdateTest,
    ::testing::Values(InitialCase{Camera::Absent, {StringId::NotReady}, true},
                      InitialCase{Camera::Initializing, {StringId::Initializing}, true},
                      InitialCase{Camera::Ready, {}, false}),
    [](const auto &info) { return cameraName(info.param.camera); });

TEST_F(ReadinessMonitorTest, SixtiethInitializingAnswerRearmsTheSixtyFirstTimesOut)
{
    setCamera(Camera::Initializing);
    for (int poll = 1; poll <= 60; ++poll) {
        m_monitor.OnTimer();
        ASSERT_TRUE(m_monitor.isTimerArmed()) << poll;
        ASSERT_EQ(m_monitor.initPollCount(), poll);
        ASSERT_EQ(m_status.last(), StringId::Initializing);
    }
    EXPECT_THAT(m_presenter.shown, IsEmpty());

    logEverything();
    m_monitor.OnTimer();
    EXPECT_FALSE(m_monitor.isTimerArmed());
    EXPECT_THAT(m_log, ElementsAre("status 57347", "message 11", "status 57345"));
    EXPECT_EQ(m_presenter.shown[0].text,
              QStringLiteral("Time out (The main unit is now initializing.)"));
    EXPECT_FALSE(m_monitor.noLink());
    EXPECT_TRUE(m_monitor.busy());
}

TEST_F(ReadinessMonitorTest, PollsWithoutLinkAreNotCounted)
{
    setCamera(Camera::Absent);
    for (int poll = 0; poll < 100; ++poll)
        m_monitor.OnTimer();
    EXPECT_TRUE(m_monitor.isTimerArmed());
    EXPECT_EQ(m_monitor.initPollCount(), 0);
    EXPECT_EQ(m_status.last(), StringId::NotReady);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

TEST_F(ReadinessMonitorTest, ReadyAnswerEndsPolling)
{
    setCamera(Camera::Initializing);
    m_monitor.OnTimer();
    setCamera(Camera::Ready);
    m_monitor.OnTimer();
    EXPECT_FALSE(m_monitor.isTimerArmed());
    EXPECT_EQ(m_status.last(), StringId::Ready);
    EXPECT_TRUE(m_monitor.isReady());
    EXPECT_EQ(m_monitor.initPollCount(), 1) << "only an arrival resets the count";
}

TEST_F(ReadinessMonitorTest, TheTimerFiresOnceAfterASecond)
{
    setCamera(Camera::Absent);
    m_monitor.OnInitialUpdate();
    setCamera(Camera::Ready);
    QSignalSpy spy(&m_monitor, &ReadinessMonitor::readinessChanged);
    ASSERT_TRUE(spy.wait(3000));
    EXPECT_EQ(m_status.last(), StringId::Ready);
    EXPECT_FALSE(m_monitor.isTimerArmed());
}

TEST_F(ReadinessMonitorTest, RemovalWhileInitializingPollsWithoutLimit)
{
    setCamera(Camera::Initializing);
    m_monitor.OnInitialUpdate();
    setInitPollCount(60);
    setCamera(Camera::Absent);
    logEverything();

    m_monitor.OnDeviceChange(DeviceEvent::RemoveComplete, CameraKey);
    EXPECT_THAT(m_log, ElementsAre("message 6", "close panel", "status 57348"));
    EXPECT_EQ(m_presenter.shown[0].text, QStringLiteral("USB: Disconnected from main unit."));
    EXPECT_TRUE(m_monitor.noLink());
    EXPECT_FALSE(m_monitor.busy());
    EXPECT_TRUE(m_monitor.isTimerArmed());

    for (int poll = 0; poll < 70; ++poll)
        m_monitor.OnTimer();
    EXPECT_TRUE(m_monitor.isTimerArmed());
    EXPECT_EQ(m_presenter.shown.size(), 1u);
    EXPECT_EQ(m_status.last(), StringId::NotReady);
}

struct ArrivalCase
{
    Camera camera;
    int status;
    bool armed;
    int countAfter; // the count was 61 before the arrival
};

class ArrivalTest : public ReadinessMonitorTest, public ::testing::WithParamInterface<ArrivalCase>
{};

TEST_P(ArrivalTest, QueriesAndResetsTheCountUnlessReady)
{
    const ArrivalCase &c = GetParam();
    setInitPollCount(61);
    m_monitor.ArmTimer();
    setCamera(c.camera);
    m_monitor.OnDeviceChange(DeviceEvent::Arrival, CameraKey + QStringLiteral("\\5&2B8A1C&0&1"));
    EXPECT_THAT(m_status.requests, ElementsAre(c.status));
    EXPECT_EQ(m_monitor.isTimerArmed(), c.armed);
    EXPECT_EQ(m_monitor.initPollCount(), c.countAfter);
    EXPECT_THAT(m_presenter.shown, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ArrivalTest,
    ::testing::Values(ArrivalCase{Camera::Initializing, StringId::Initializing, true, 0},
                      ArrivalCase{Camera::Ready, StringId::Ready, false, 61},
                      ArrivalCase{Camera::Absent, StringId::NotReady, true, 0}),
    [](const auto &info) { return cameraName(info.param.camera); });

TEST_F(ReadinessMonitorTest, OtherDevicesChangeNothing)
{
    setCamera(Camera::Ready);
    m_monitor.ArmTimer();
    for (DeviceEvent event : {DeviceEvent::Arrival, DeviceEvent::RemoveComplete}) {
        m_monitor.OnDeviceChange(event, QStringLiteral("USB\\VID_0B7E&PID_0101"));
        m_monitor.OnDeviceChange(event, QStringLiteral("HID\\VID_0B7E&PID_0100"));
    }
    EXPECT_TRUE(m_monitor.isTimerArmed());
    EXPECT_TRUE(m_monitor.noLink());
    EXPECT_TRUE(m_monitor.busy());
    EXPECT_THAT(m_transport.packets(), IsEmpty());
    EXPECT_THAT(m_status.requests, IsEmpty());
    EXPECT_THAT(m_presenter.shown, IsEmpty());
    EXPECT_EQ(m_host.panelCloses, 0);
}

struct KeyCase
{
    const char *key;
    bool matches;
};

class HardwareKeyTest : public ::testing::TestWithParam<KeyCase>
{};

TEST_P(HardwareKeyTest, ComparesTheFirstTwentyOneCharactersExactly)
{
    EXPECT_EQ(isCameraHardwareKey(QString::fromLatin1(GetParam().key)), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Keys, HardwareKeyTest,
                         ::testing::Values(KeyCase{"USB\\VID_0B7E&PID_0100", true},
                                           KeyCase{"USB\\VID_0B7E&PID_0100\\6&1A2B", true},
                                           KeyCase{"USB\\VID_0B7E&PID_01000", true},
                                           KeyCase{"USB\\VID_0B7E&PID_010", false},
                                           KeyCase{"USB\\VID_0B7E&PID_0101", false},
                                           KeyCase{"usb\\vid_0b7e&pid_0100", false},
                                           KeyCase{" USB\\VID_0B7E&PID_0100", false},
                                           KeyCase{"", false}),
                         [](const auto &info) { return paramName(info.param.key, info.index); });

// A camera that is there but cannot be opened is explained in a warning of its own, once it has
// refused a few queries in a row (not at a refusal that the arriving permissions end), and once
// per arrival however long the polling goes on.
TEST_F(ReadinessMonitorTest, ARefusingCameraIsExplainedOncePerArrival)
{
    const auto explanations = [this] {
        std::vector<QString> texts;
        for (const auto &shown : m_presenter.shown) {
            EXPECT_EQ(shown.code, 0);
            texts.push_back(shown.text);
        }
        return texts;
    };
    const QString denied = CameraLink::refusalExplanation(CameraRefusal::PermissionDenied);
    const QString busy = CameraLink::refusalExplanation(CameraRefusal::Busy);
    ASSERT_FALSE(denied.isEmpty());
    ASSERT_FALSE(busy.isEmpty());

    setCamera(Camera::Absent);
    m_transport.refusal = CameraRefusal::PermissionDenied;
    m_monitor.OnInitialUpdate();
    for (int poll = 2; poll < ReadinessMonitor::RefusalsBeforeExplaining; ++poll)
        m_monitor.OnTimer();
    EXPECT_THAT(explanations(), IsEmpty());
    for (int poll = 0; poll < 5; ++poll)
        m_monitor.OnTimer();
    EXPECT_THAT(explanations(), ElementsAre(denied));
    EXPECT_EQ(m_status.requests.back(), StringId::NotReady);
    EXPECT_TRUE(m_monitor.isTimerArmed());

    // Plugged in again, now held by another program; an absent camera in between starts the
    // count anew.
    m_monitor.OnDeviceChange(DeviceEvent::Arrival, CameraKey);
    m_transport.refusal = CameraRefusal::None;
    m_monitor.OnTimer();
    m_transport.refusal = CameraRefusal::Busy;
    for (int poll = 1; poll < ReadinessMonitor::RefusalsBeforeExplaining; ++poll)
        m_monitor.OnTimer();
    EXPECT_THAT(explanations(), ElementsAre(denied));
    m_monitor.OnTimer();
    EXPECT_THAT(explanations(), ElementsAre(denied, busy));
}

// A command the user asked for (capture, the panel) that finds the camera held by another
// program says so at once, each time, and the camera is polled until it is free; the polls
// themselves wait for their refusals to repeat.
TEST_F(ReadinessMonitorTest, ACommandFindingTheCameraBusyIsExplainedAtOnceAndPollsUntilFree)
{
    setCamera(Camera::Ready);
    m_transport.setMissing("PIPE00");
    m_transport.refusal = CameraRefusal::Busy;
    EXPECT_EQ(m_monitor.queryForCommand(), -1);
    EXPECT_EQ(m_monitor.queryForCommand(), -1);
    ASSERT_EQ(m_presenter.shown.size(), 2u);
    EXPECT_EQ(m_presenter.shown[1].text, CameraLink::refusalExplanation(CameraRefusal::Busy));
    EXPECT_TRUE(m_monitor.isTimerArmed());
    m_monitor.OnTimer();
    EXPECT_EQ(m_presenter.shown.size(), 2u);

    m_transport.setMissing("PIPE00", false);
    m_transport.refusal = CameraRefusal::None;
    m_monitor.OnTimer();
    EXPECT_TRUE(m_monitor.isReady());
    EXPECT_FALSE(m_monitor.isTimerArmed());
}
} // namespace
