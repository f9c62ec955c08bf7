// SPDX-License-Identifier: MIT
#pragma once

#include "ipc/ConnectionGate.h"

#include <QObject>
#include <QString>

// How a second start reaches the running copy: the running copy listens on a local socket in the
// user's private runtime folder, and a second start knocks there before it ends, handing over the
// launcher's activation token if it was given one. Which copy runs is the single-instance lock's
// decision; the beacon only carries the knock.
class InstanceBeacon : public QObject
{
    Q_OBJECT
public:
    // socketPath: where the socket is, in a folder of this user's alone; empty for none, when the
    // beacon neither listens nor knocks.
    explicit InstanceBeacon(QString socketPath, QObject *parent = nullptr);

    // For the copy that holds the lock: a socket left behind by a crashed copy is replaced.
    // False when the socket cannot be made; the program then runs on without it.
    bool listen();
    // For a second start: delivers the knock, waiting at most timeoutMs. False when nobody
    // listens.
    bool knock(int timeoutMs = 2000) const;

    QString socketPath() const { return m_path; }

    // The token a launcher hands a program it starts (Wayland's XDG_ACTIVATION_TOKEN or X11's
    // DESKTOP_STARTUP_ID), so that the window it brings forward may take the focus.
    static QByteArray launcherToken();

Q_SIGNALS:
    // The program was started again; token is that start's launcher token, possibly empty.
    void knocked(const QByteArray &token);

private:
    void accept(QLocalSocket *socket);

    QString m_path;
    ConnectionGate m_gate;
};
