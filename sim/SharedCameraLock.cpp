// SPDX-License-Identifier: MIT
#include "sim/SharedCameraLock.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char LockName[] = "quillon-simulated-main-unit";
} // namespace

QString SharedCameraLock::defaultPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir())
        return runtime + u'/' + QLatin1String(LockName) + QStringLiteral(".lock");
    return QDir::tempPath() + u'/' + QLatin1String(LockName) +
           QStringLiteral("-%1.lock").arg(::getuid());
}

bool SharedCameraLock::open(const QString &path, QString *error)
{
    // Not followed through a link, and only this user's: in a shared folder another user could
    // otherwise hold it for ever, or point it at a file of ours.
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = QStringLiteral("cannot open %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
        ::close(fd);
        *error = QStringLiteral("%1 is not a regular file of this user's").arg(path);
        return false;
    }
    m_file = std::shared_ptr<const int>(new int(fd), [](const int *file) {
        ::close(*file);
        delete file;
    });
    return true;
}

OperationClaim::Token SharedCameraLock::claim()
{
    static char unshared;
    const auto unlock = [file = m_file](void *) {
        if (file)
            ::flock(*file, LOCK_UN);
    };
    if (m_file && ::flock(*m_file, LOCK_EX | LOCK_NB) != 0)
        return nullptr;
    return OperationClaim::Token(&unshared, unlock);
}
