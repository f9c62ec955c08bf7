// SPDX-License-Identifier: MIT
#pragma once

#include "ipc/ConnectionGate.h"

#include <QObject>
#include <QString>

class QLocalSocket;
class SimulatedMainUnit;

// Lets another process drive the simulator while the program runs: a local socket, one
// command per line (see runSimCommand), each answered with one line. Only the user who runs
// the program can connect.
class SimControlServer : public QObject
{
    Q_OBJECT
public:
    // Longer lines are refused and the connection is closed.
    static constexpr qint64 MaxLineLength = 4096;
    // Served at once; more wait their turn (see ConnectionGate), so that a flood of them cannot
    // use up the process's descriptors (QLocalServer stops listening for good when accepting
    // fails).
    static constexpr int MaxConnections = 16;
    // A client that sends no whole command this long after connecting, or after its last answer,
    // is dropped: idle clients would otherwise keep everyone else out.
    static constexpr std::chrono::milliseconds IdleTimeout{5000};
    // A client that lets more answers than this pile up unread is dropped.
    static constexpr qint64 MaxUnreadAnswers = 64 * 1024;

    SimControlServer(SimulatedMainUnit &unit, QObject *parent = nullptr);
    ~SimControlServer() override;

    // Listens under name; a socket left behind by a crashed run is taken over, one that another
    // running simulator answers on is not, nor anything at that path that is not a socket.
    bool listen(const QString &name, QString *error);
    QString fullServerName() const;

private:
    void accept(QLocalSocket *socket);
    void serve(QLocalSocket *socket);

    SimulatedMainUnit &m_unit;
    ConnectionGate m_gate;
};
