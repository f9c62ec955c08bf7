// SPDX-License-Identifier: MIT
#include "app/PrivateRuntimeFolder.h"

#include "app/AppLogging.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool isPrivateFolder(const QString &path)
{
    struct stat status
    {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    if (S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
        (status.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return true;
    qCWarning(lcApp, "%s is not a folder of this user's alone (owner %u, mode %o)",
              qPrintable(path), unsigned(status.st_uid), unsigned(status.st_mode & 07777));
    return false;
}
} // namespace

QString privateRuntimeFolder()
{
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!session.isEmpty() && isPrivateFolder(session))
        return session;
    // Named after the user's number: the name is known before anything is read, and no other
    // user's folder has it.
    const QString own = QDir::tempPath() + QStringLiteral("/quillonu-%1").arg(::geteuid());
    const QByteArray ownName = QFile::encodeName(own);
    if (::mkdir(ownName.constData(), 0700) != 0 && errno != EEXIST) {
        qCWarning(lcApp, "cannot make %s: %s", ownName.constData(), std::strerror(errno));
        return {};
    }
    // Made now or long ago, by us or by someone else: it counts only if it is ours alone.
    return isPrivateFolder(own) ? own : QString();
}
