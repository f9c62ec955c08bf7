// SPDX-License-Identifier: MIT
#pragma once

#include "link/DeviceWatcher.h"

#include <QObject>
#include <QTimer>

class CameraLink;
class LinkHost;
class StatusSink;

// Whether the camera can be used now, as the view sees it, and the once-a-second polling while
// it cannot. The flags are read by the command rules and by the status-text rule.
class ReadinessMonitor : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollIntervalMs = 1000;
    // More counted "initializing" answers than this end the polling with a time-out message.
    static constexpr int MaxInitializingPolls = 60;
    // A camera on the bus that refuses to be opened this many queries in a row is explained to
    // the user. Right after plug-in its permissions may still be on their way, so the first
    // refusals are not its last word.
    static constexpr int RefusalsBeforeExplaining = 3;

    ReadinessMonitor(CameraLink &link, LinkHost &host, StatusSink &status,
                     QObject *parent = nullptr);

    // The camera is taken to be unreachable.
    bool noLink() const { return m_bNoLink; }
    // The last readiness query was answered "initializing".
    bool busy() const { return m_bBusy; }
    // Initializing answers counted by the polling since the last reset.
    int initPollCount() const { return m_initPollCount; }
    bool isReady() const { return !m_bNoLink && !m_bBusy; }

    // -1: no link (the command pipe cannot be opened), 0: ready, 1: initializing.
    int QueryReadiness();
    // The query a user's command starts with (capture, the panel): a camera that is there but
    // refuses to be opened (another program holds it, say) is explained at once, and polled
    // until it can be used.
    int queryForCommand();
    // The first query when the view is first shown: starts polling unless the camera is ready.
    void OnInitialUpdate();
    // One poll of the one-shot readiness timer.
    void OnTimer();
    // Arrival or removal of a USB device; anything but the camera's key is ignored.
    void OnDeviceChange(DeviceEvent event, const QString &hardwareKey);

    void ArmTimer();
    void KillTimer();
    bool isTimerArmed() const { return m_timer.isActive(); }

Q_SIGNALS:
    // Any of the three flags may have changed; command rules are re-evaluated.
    void readinessChanged();

private:
    friend class ReadinessMonitorTest;

    // Change the flags, telling the command rules when anything actually changed.
    void setFlags(bool noLink, bool busy);
    void setInitPollCount(int count);
    int query(bool forCommand);
    // After a query found no link: tells the user why the camera cannot be used when it is
    // there but keeps refusing, once until it answers again; `now`, for a user's command, at
    // once and every time.
    void explainRefusal(bool now);
    void forgetRefusals();

    CameraLink &m_link;
    LinkHost &m_host;
    StatusSink &m_status;
    QTimer m_timer;
    bool m_bNoLink = true;
    bool m_bBusy = true;
    int m_initPollCount = 0;
    int m_refusals = 0;
    bool m_refusalExplained = false;
};
