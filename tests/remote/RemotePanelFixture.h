// SPDX-License-Identifier: MIT
#pragma once

#include "link/CameraLink.h"
#include "remote/CHoldButton.h"
#include "remote/CRemoteControlDlg.h"
#include "remote/CToggleButton.h"
#include "sim/SimulatedMainUnit.h"
#include "tests/TestSupport.h"
#include "tests/doubles/RecordingMessages.h"
#include "tests/doubles/ScriptedTransport.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Stands in for the view: owns the panel pointer, and closes the panel the way the view does
// when the link asks for it, queued, so that the close runs after the handler that failed.
class PanelHost : public LinkHost, public RemotePanelOwner
{
public:
    explicit PanelHost(RecordingMessages &messages)
        : m_messages(messages)
    {}

    QPointer<CRemoteControlDlg> panel;
    int destroyedCalls = 0;
    int closeRequests = 0;
    bool linkDown = false;

    bool isLinkMarkedDown() const override { return linkDown; }
    void CloseRemotePanel() override
    {
        ++closeRequests;
        if (panel)
            QMetaObject::invokeMethod(panel.data(), &CRemoteControlDlg::OnCancel,
                                      Qt::QueuedConnection);
    }
    int presentLinkMessage(const LinkMessage &message) override
    {
        return m_messages.present(message);
    }
    void OnRemotePanelDestroyed() override
    {
        ++destroyedCalls;
        panel = nullptr;
    }

private:
    RecordingMessages &m_messages;
};

// Runs deletions asked for with deleteLater(): outside a running event loop, processEvents()
// alone does not.
inline void runDeferredDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A panel on the simulated main unit (or on a scripted camera), driven through its window as a
// user would: Qt routes each event to the key under the pointer and keeps a held key's events
// with it.
class RemotePanelTest : public ::testing::Test
{
protected:
    ~RemotePanelTest() override
    {
        delete panel.data();
        runDeferredDeletes();
    }

    // Opens the panel on `transport` (the simulator unless given) and, unless told not to,
    // waits until it shows. Waiting runs the event loop, which also runs a close the link may
    // have asked for meanwhile.
    void open(PipeTransport *transport = nullptr, bool waitShown = true)
    {
        link = std::make_unique<CameraLink>(transport ? *transport : unit, host);
        auto *created = new CRemoteControlDlg(*link, host, nullptr);
        host.panel = created;
        panel = created;
        EXPECT_TRUE(created->Create());
        if (waitShown) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(created));
        }
        m_openedAt = unit.receivedCommands().size();
    }

    // Puts the simulated camera in a state before the panel opens, as its own keys would.
    void setCamera(std::initializer_list<std::string_view> commands)
    {
        RecordingMessages quiet;
        PanelHost none(quiet);
        CameraLink direct(unit, none);
        for (std::string_view command : commands) {
            ASSERT_TRUE(direct.SendCommand(command));
            ASSERT_TRUE(direct.CheckAck()) << command;
        }
    }

    QPoint centreOf(int id) const { return panel->control(id)->geometry().center(); }
    QWindow *window() const { return panel->windowHandle(); }
    void click(int id) { QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(id)); }
    void press(int id) { QTest::mousePress(window(), Qt::LeftButton, {}, centreOf(id)); }
    void release(int id) { QTest::mouseRelease(window(), Qt::LeftButton, {}, centreOf(id)); }

    CToggleButton *toggle(int id) const
    {
        return qobject_cast<CToggleButton *>(panel->control(id));
    }
    CHoldButton *hold(int id) const { return qobject_cast<CHoldButton *>(panel->control(id)); }
    bool isOn(int id) const { return toggle(id)->isOn(); }

    // Commands the simulator received since the panel opened (its two status queries left out).
    std::vector<std::string> commandsSinceOpen() const
    {
        const auto &all = unit.receivedCommands();
        return {all.begin() + std::ptrdiff_t(m_openedAt), all.end()};
    }

    SimulatedMainUnit unit;
    RecordingMessages presenter;
    PanelHost host{presenter};
    std::unique_ptr<CameraLink> link;
    QPointer<CRemoteControlDlg> panel;

private:
    std::size_t m_openedAt = 0;
};
