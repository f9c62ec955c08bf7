// SPDX-License-Identifier: MIT
#include "app/InstanceBeacon.h"

#include <QLocalSocket>

#include <memory>
#include <utility>

namespace {
// A token is a short line of text; anything longer is not one.
constexpr qint64 MaxTokenBytes = 4096;
// A second start knocks at once and is gone; a few may come together (a double click).
constexpr ConnectionGate::Limits KnockLimits{8, 8, std::chrono::milliseconds(2000)};
} // namespace

InstanceBeacon::InstanceBeacon(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_path(std::move(socketPath))
    , m_gate(KnockLimits)
{
    connect(&m_gate, &ConnectionGate::opened, this, &InstanceBeacon::accept);
}

bool InstanceBeacon::listen()
{
    if (m_path.isEmpty())
        return false;
    // Only the holder of the lock gets here, so whatever is at the path is a crashed copy's.
    QLocalServer::removeServer(m_path);
    m_gate.server().setSocketOptions(QLocalServer::UserAccessOption);
    return m_gate.server().listen(m_path);
}

bool InstanceBeacon::knock(int timeoutMs) const
{
    if (m_path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(launcherToken() + '\n');
    const bool delivered = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return delivered;
}

QByteArray InstanceBeacon::launcherToken()
{
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = qgetenv("DESKTOP_STARTUP_ID");
    return token.left(MaxTokenBytes).replace('\n', ' ');
}

void InstanceBeacon::accept(QLocalSocket *socket)
{
    // The token arrives as one line; a knock that ends without one still counts, once.
    const auto answered = std::make_shared<bool>(false);
    const auto finish = [this, socket, answered] {
        if (std::exchange(*answered, true))
            return;
        const QByteArray line = socket->readLine(MaxTokenBytes).trimmed();
        socket->deleteLater();
        Q_EMIT knocked(line);
    };
    connect(socket, &QLocalSocket::readyRead, this, [socket, finish] {
        if (socket->canReadLine() || socket->bytesAvailable() >= MaxTokenBytes)
            finish();
    });
    connect(socket, &QLocalSocket::disconnected, this, finish);
    if (socket->canReadLine() || socket->state() != QLocalSocket::ConnectedState)
        finish();
}
