// SPDX-License-Identifier: MIT
#pragma once

#include <QLocalServer>
#include <QObject>

#include <chrono>

class QLocalSocket;

// A local server whose connections are handed out a few at a time, so that clients that connect
// and then say nothing can neither use up the process's descriptors nor keep other clients out.
// At most maxOpen connections are open at once. Further ones wait: maxPending in the server's
// queue (Qt takes up to two more before it sees the queue full), the rest in the kernel's listen
// backlog, where they cost the program nothing.
// A connection whose client has sent no whole request within idleTimeout of being opened, or of
// its last answer, is closed.
class ConnectionGate : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        int maxOpen;
        int maxPending;
        std::chrono::milliseconds idleTimeout;
    };

    explicit ConnectionGate(Limits limits, QObject *parent = nullptr);
    ~ConnectionGate() override;

    // Listens, takes the connections and hands them out; socket options are set on it.
    QLocalServer &server() { return m_server; }
    const QLocalServer &server() const { return m_server; }

    // The owner is answering a request of the socket's: the client waits for us, not we for it,
    // so its idle time stops until answered().
    void answering(QLocalSocket *socket);
    void answered(QLocalSocket *socket);

    int openCount() const { return m_open; }

Q_SIGNALS:
    // A connection to serve. The gate owns it; the owner closes it with deleteLater() once done.
    // A connection the gate closes for idling reports nothing more to the owner.
    void opened(QLocalSocket *socket);

private:
    void admit();
    void release();
    void dropIdle(QLocalSocket *socket);

    Limits m_limits;
    int m_open = 0;
    QLocalServer m_server;
};
