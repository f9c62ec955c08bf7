// SPDX-License-Identifier: MIT
#include "ipc/ConnectionGate.h"

#include "ipc/IpcLogging.h"

#include <QLocalSocket>
#include <QTimer>

namespace {
const QString IdleTimerName = QStringLiteral("quillon-idle-timer");

QTimer *idleTimerOf(QLocalSocket *socket)
{
    return socket->findChild<QTimer *>(IdleTimerName, Qt::FindDirectChildrenOnly);
}
} // namespace

ConnectionGate::ConnectionGate(Limits limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
{
    // Qt stops taking connections from the kernel once more than this many wait for us.
    m_server.setMaxPendingConnections(m_limits.maxPending);
    connect(&m_server, &QLocalServer::newConnection, this, &ConnectionGate::admit);
}

ConnectionGate::~ConnectionGate()
{
    // The server closes its connections as it goes; none is to be replaced then.
    const auto sockets = m_server.findChildren<QLocalSocket *>();
    for (QLocalSocket *socket : sockets)
        disconnect(socket, nullptr, this, nullptr);
}

void ConnectionGate::admit()
{
    while (m_open < m_limits.maxOpen) {
        QLocalSocket *socket = m_server.nextPendingConnection();
        if (!socket)
            return;
        ++m_open;
        connect(socket, &QObject::destroyed, this, &ConnectionGate::release);
        auto *idle = new QTimer(socket);
        idle->setObjectName(IdleTimerName);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, this, [this, socket] { dropIdle(socket); });
        idle->start(m_limits.idleTimeout);
        Q_EMIT opened(socket);
    }
}

void ConnectionGate::release()
{
    --m_open;
    // Later: the socket is still being destroyed, and the server may be too.
    QMetaObject::invokeMethod(this, &ConnectionGate::admit, Qt::QueuedConnection);
}

void ConnectionGate::dropIdle(QLocalSocket *socket)
{
    qCInfo(lcIpc, "%s: closed a connection that sent nothing for %lld ms",
           qPrintable(m_server.fullServerName()), qlonglong(m_limits.idleTimeout.count()));
    // Its owner hears nothing of the close: a client that said nothing made no request.
    disconnect(socket, nullptr, nullptr, nullptr);
    connect(socket, &QObject::destroyed, this, &ConnectionGate::release);
    socket->abort();
    socket->deleteLater();
}

void ConnectionGate::answering(QLocalSocket *socket)
{
    if (QTimer *idle = idleTimerOf(socket))
        idle->stop();
}

void ConnectionGate::answered(QLocalSocket *socket)
{
    if (QTimer *idle = idleTimerOf(socket))
        idle->start(m_limits.idleTimeout);
}
