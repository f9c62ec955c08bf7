// SPDX-License-Identifier: MIT
#pragma once

// The faults the simulated main unit is set to show. The communication setting stays non-USB
// until set back; the initializing answers cover the next n readiness queries; the others apply
// once, to the next operation they concern, and are used up by it.
class FaultPlan
{
public:
    static constexpr int MaxMsPerRow = 1000;

    void setInitializing(int readinessQueries);
    bool initializing() const { return m_initializingQueries > 0; }
    // A readiness query was answered.
    void countReadinessQuery();

    void setCommunicationUsb(bool usb) { m_communicationUsb = usb; }
    bool communicationUsb() const { return m_communicationUsb; }

    void refuseNextCommand() { m_refuseNext = true; }
    bool takeRefusal();
    void failNextReplyPipe() { m_failReplyPipe = true; }
    bool takeReplyPipeFailure();
    void failNextImagePipe() { m_failImagePipe = true; }
    bool takeImagePipeFailure();
    void failNextCommand() { m_failCommand = true; }
    bool takeCommandFailure();
    // Row 1 to RawRows of the next transfer; false for any other row.
    bool shortenRow(int row);
    // Whether this row of the transfer is the one to cut short.
    bool takeShortRow(int row);
    // Row 1 to RawRows of the next transfer at which the camera vanishes; false for any other.
    bool unplugAtRow(int row);
    bool takeUnplugAtRow(int row);
    // Every row of the next transfer takes this long (1 to 1000 ms), as over a slow cable: the
    // camera stays claimed for seconds. False for any other delay.
    bool slowNextTransfer(int msPerRow);
    // The delay per row of the transfer that starts now (0: none); used up by it.
    int takeSlowTransfer();

private:
    bool m_communicationUsb = true;
    int m_initializingQueries = 0;
    bool m_refuseNext = false;
    bool m_failReplyPipe = false;
    bool m_failImagePipe = false;
    bool m_failCommand = false;
    int m_shortRow = 0;    // 0: none
    int m_unplugAtRow = 0; // 0: none
    int m_msPerRow = 0;    // 0: none
};
