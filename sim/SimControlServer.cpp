// SPDX-License-Identifier: MIT
#include "sim/SimControlServer.h"

#include "sim/SimControlCommands.h"
#include "sim/SimLogging.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>

#include <sys/stat.h>
#include <unistd.h>

SimControlServer::SimControlServer(SimulatedMainUnit &unit, QObject *parent)
    : QObject(parent)
    , m_unit(unit)
    , m_gate({MaxConnections, 4, IdleTimeout})
{
    m_gate.server().setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_gate, &ConnectionGate::opened, this, &SimControlServer::accept);
}

SimControlServer::~SimControlServer() = default;

bool SimControlServer::listen(const QString &name, QString *error)
{
    // Asked first: with access options set, listening replaces a live socket of that name
    // instead of failing.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
        *error = QStringLiteral("another simulator already listens on \"%1\"").arg(name);
        return false;
    }
    // Listening (and removeServer()) replaces whatever is at the path: only a socket of this
    // user's, left behind by a run that ended without closing it, may be replaced.
    const QString path =
        QDir::isAbsolutePath(name) ? name : QDir::cleanPath(QDir::tempPath()) + u'/' + name;
    struct stat status
    {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
        (!S_ISSOCK(status.st_mode) || status.st_uid != ::geteuid())) {
        *error = QStringLiteral("cannot listen on \"%1\": %2 exists and is not a socket of this "
                                "user's")
                     .arg(name, path);
        return false;
    }
    if (m_gate.server().listen(name))
        return true;
    if (m_gate.server().serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        if (m_gate.server().listen(name))
            return true;
    }
    *error = QStringLiteral("cannot listen on \"%1\": %2").arg(name, m_gate.server().errorString());
    return false;
}

QString SimControlServer::fullServerName() const
{
    return m_gate.server().fullServerName();
}

void SimControlServer::accept(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
    serve(socket); // lines may already be waiting
}

void SimControlServer::serve(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(MaxLineLength + 1);
        if (!line.endsWith('\n')) {
            socket->write("error: line too long\n");
            socket->disconnectFromServer();
            return;
        }
        // A command may run the program's reaction to it in an event loop of its own (a message
        // box), where the client may leave and its socket be deleted.
        const QPointer<QLocalSocket> client(socket);
        m_gate.answering(socket);
        const QString answer = runSimCommand(m_unit, QString::fromUtf8(line));
        if (!client)
            return;
        m_gate.answered(socket);
        socket->write(answer.toUtf8() + '\n');
        if (socket->bytesToWrite() > MaxUnreadAnswers) {
            qCWarning(lcSim, "a control client cut off: %lld bytes of its answers unread",
                      socket->bytesToWrite());
            socket->abort();
            return;
        }
    }
    if (socket->bytesAvailable() > MaxLineLength) {
        socket->write("error: line too long\n");
        socket->disconnectFromServer();
    }
}
