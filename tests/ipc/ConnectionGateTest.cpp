// SPDX-License-Identifier: MIT
// Clients that connect and say nothing neither keep others out nor use up our descriptors.
#include "ipc/ConnectionGate.h"

#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
using namespace std::chrono_literals;

QString serverName()
{
    static int counter = 0;
    return QStringLiteral("quillon-gate-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System).size();
}

// A gate whose owner answers each line with "ok" and counts what it was given.
class GateTest : public ::testing::Test
{
protected:
    void open(ConnectionGate::Limits limits)
    {
        m_gate = std::make_unique<ConnectionGate>(limits);
        QObject::connect(m_gate.get(), &ConnectionGate::opened, [this](QLocalSocket *socket) {
            ++m_opened;
            m_mostOpen = std::max(m_mostOpen, m_gate->openCount());
            const auto serve = [this, socket] {
                while (socket->canReadLine()) {
                    socket->readLine();
                    m_gate->answering(socket);
                    answer(socket);
                }
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, serve);
            serve(); // the line may have come while the connection waited
        });
        ASSERT_TRUE(m_gate->server().listen(m_name));
    }
    virtual void answer(QLocalSocket *socket)
    {
        socket->write("ok\n");
        m_gate->answered(socket);
    }

    std::unique_ptr<QLocalSocket> connectClient()
    {
        auto client = std::make_unique<QLocalSocket>();
        client->connectToServer(m_name);
        return client;
    }

    static bool answeredOk(QLocalSocket &client, std::chrono::milliseconds timeout)
    {
        client.write("hello\n");
        return waitUntil([&] { return client.canReadLine(); }, timeout) &&
               client.readLine() == "ok\n";
    }

    QString m_name = serverName();
    std::unique_ptr<ConnectionGate> m_gate;
    int m_opened = 0;
    int m_mostOpen = 0;
};

TEST_F(GateTest, IdleClientsAreDroppedAndTheNextClientServedThen)
{
    open({2, 2, 300ms});
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 6; ++i)
        idle.push_back(connectClient());
    const auto client = connectClient();
    EXPECT_TRUE(answeredOk(*client, 5s));
    EXPECT_EQ(m_mostOpen, 2);
    EXPECT_TRUE(waitUntil([&] {
        return std::all_of(idle.begin(), idle.end(), [](const auto &socket) {
            return socket->state() == QLocalSocket::UnconnectedState;
        });
    }));
    // A client that was served has its idle time again: it may send its next request in it.
    EXPECT_TRUE(answeredOk(*client, 5s));
}

// However many clients wait, the server holds no more connections than it serves and queues.
TEST_F(GateTest, WaitingClientsCostNoDescriptors)
{
    open({2, 2, 30s});
    const qsizetype before = openDescriptors();
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    constexpr int Clients = 100;
    for (int i = 0; i < Clients; ++i)
        idle.push_back(connectClient());
    waitUntil([] { return false; }, 300ms);
    // Each client holds one; the server 2 open and 2 queued, and Qt accepts two more before it
    // sees that its queue is full.
    EXPECT_LE(openDescriptors() - before, Clients + 6);
    EXPECT_EQ(m_opened, 2);
}

// A request the owner takes long to answer (a message box, say) is not idling.
class SlowAnswerTest : public GateTest
{
protected:
    void answer(QLocalSocket *socket) override
    {
        waitUntil([] { return false; }, 500ms);
        GateTest::answer(socket);
    }
};

TEST_F(SlowAnswerTest, KeepsTheClientWhileItIsAnswered)
{
    open({2, 2, 200ms});
    const auto client = connectClient();
    EXPECT_TRUE(answeredOk(*client, 5s));
    EXPECT_EQ(client->state(), QLocalSocket::ConnectedState);
}
} // namespace
