// SPDX-License-Identifier: MIT
#include "link/ReadinessMonitor.h"

#include "link/CameraCommandTexts.h"
#include "link/CameraLink.h"
#include "link/LinkError.h"
#include "link/StatusText.h"

ReadinessMonitor::ReadinessMonitor(CameraLink &link, LinkHost &host, StatusSink &status,
                                   QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_host(host)
    , m_status(status)
{
    // One-shot: every poll decides for itself whether another one follows.
    m_timer.setSingleShot(true);
    m_timer.setInterval(PollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ReadinessMonitor::OnTimer);
}

void ReadinessMonitor::setFlags(bool noLink, bool busy)
{
    if (noLink == m_bNoLink && busy == m_bBusy)
        return;
    m_bNoLink = noLink;
    m_bBusy = busy;
    Q_EMIT readinessChanged();
}

void ReadinessMonitor::setInitPollCount(int count)
{
    if (count == m_initPollCount)
        return;
    m_initPollCount = count;
    Q_EMIT readinessChanged();
}

int ReadinessMonitor::QueryReadiness()
{
    return query(false);
}

int ReadinessMonitor::queryForCommand()
{
    const int readiness = query(true);
    if (readiness == -1 && m_link.lastRefusal() != CameraRefusal::None)
        ArmTimer();
    return readiness;
}

int ReadinessMonitor::query(bool forCommand)
{
    const CameraLink::Operation operation(m_link);
    // Taken as unreachable until the command is out, so a missing pipe is not reported here.
    setFlags(true, false);
    if (!m_link.SendCommand(CameraCommands::ReadinessQuery)) {
        explainRefusal(forCommand);
        return -1;
    }
    forgetRefusals();
    setFlags(false, false);

    ReplyPacket reply{};
    m_link.ReadReply(reply); // a reply that cannot be read reads as zeros, i.e. ready
    if (reply[0] == 0) {
        m_link.sendOwedStop();
        return 0;
    }
    setFlags(false, true);
    return 1;
}

void ReadinessMonitor::OnInitialUpdate()
{
    switch (QueryReadiness()) {
    case -1:
        m_status.SetStatusMessage(StringId::NotReady);
        ArmTimer();
        break;
    case 1:
        m_status.SetStatusMessage(StringId::Initializing);
        ArmTimer();
        break;
    default:
        break;
    }
}

void ReadinessMonitor::OnTimer()
{
    KillTimer();
    switch (QueryReadiness()) {
    case 1:
        m_status.SetStatusMessage(StringId::Initializing);
        setInitPollCount(m_initPollCount + 1);
        if (m_initPollCount > MaxInitializingPolls) {
            m_link.ShowLinkError(int(LinkError::InitializeTimeout));
            m_status.SetStatusMessage(StringId::Ready);
        } else {
            ArmTimer();
        }
        break;
    case 0:
        m_status.SetStatusMessage(StringId::Ready);
        break;
    default:
        // Without a link the polls are not counted: they go on until the camera answers.
        m_status.SetStatusMessage(StringId::NotReady);
        ArmTimer();
        break;
    }
}

void ReadinessMonitor::explainRefusal(bool now)
{
    const CameraRefusal refusal = m_link.lastRefusal();
    if (refusal == CameraRefusal::None) {
        m_refusals = 0;
        return;
    }
    ++m_refusals;
    if (!now && (m_refusals < RefusalsBeforeExplaining || m_refusalExplained))
        return;
    // Marked first: the box lets the polling timer in while it is open.
    m_refusalExplained = true;
    m_link.explainRefusal(refusal);
}

void ReadinessMonitor::forgetRefusals()
{
    m_refusals = 0;
    m_refusalExplained = false;
}

void ReadinessMonitor::OnDeviceChange(DeviceEvent event, const QString &hardwareKey)
{
    if (!isCameraHardwareKey(hardwareKey))
        return;
    forgetRefusals();
    switch (event) {
    case DeviceEvent::RemoveComplete:
        KillTimer();
        setFlags(true, false);
        m_link.ShowLinkError(int(LinkError::Disconnected));
        m_host.CloseRemotePanel();
        m_status.SetStatusMessage(StringId::NotReady);
        ArmTimer();
        break;
    case DeviceEvent::Arrival:
        KillTimer();
        switch (QueryReadiness()) {
        case 1:
            m_status.SetStatusMessage(StringId::Initializing);
            setInitPollCount(0);
            ArmTimer();
            break;
        case 0:
            m_status.SetStatusMessage(StringId::Ready);
            break;
        default:
            m_status.SetStatusMessage(StringId::NotReady);
            setInitPollCount(0);
            ArmTimer();
            break;
        }
        break;
    }
}

void ReadinessMonitor::ArmTimer()
{
    m_timer.start();
}

void ReadinessMonitor::KillTimer()
{
    m_timer.stop();
}
