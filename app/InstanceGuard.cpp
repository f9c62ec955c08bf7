// SPDX-License-Identifier: MIT
#include "app/InstanceGuard.h"

#include "app/AppLogging.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceGuard::InstanceGuard(QString path)
    : m_path(std::move(path))
{}

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceGuard::tryAcquire()
{
    const QByteArray path = QFile::encodeName(m_path);
    // Not inherited by child processes, which would otherwise keep the lock after we end; never
    // waits on a FIFO left at the path.
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    // A folder of that name cannot be opened for writing, but can be locked as well.
    if (m_fd < 0 && errno == EISDIR)
        m_fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) {
        // Without a lock to hold, starting beats refusing every start.
        qCWarning(lcApp) << "cannot open" << m_path << std::strerror(errno);
        return true;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const int error = errno;
    ::close(m_fd);
    m_fd = -1;
    if (error == EWOULDBLOCK)
        return false;
    qCWarning(lcApp) << "cannot lock" << m_path << std::strerror(error);
    return true;
}
