// SPDX-License-Identifier: MIT
#include "imaging/SaveTarget.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// As many links as the kernel follows for one name; a longer chain fails the write itself.
constexpr int MaxLinks = 40;

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray linkTarget(const QByteArray &link)
{
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(link.constData(), target.data(), std::size_t(target.size()));
    return length > 0 && length < target.size() ? target.left(length) : QByteArray();
}

// The kernel's rule for following a link: anyone may follow a link outside a sticky,
// world-writable folder; inside one, only its owner, or anyone when the folder's owner made it.
bool mayFollow(const struct stat &link, const struct stat &folder)
{
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}
} // namespace

namespace SaveTarget {
QString refusal(const QString &path)
{
    QByteArray current = QFile::encodeName(path);
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat entry
        {};
        // Nothing there (yet), or nothing we may look at: the write itself says what fails.
        if (::lstat(current.constData(), &entry) != 0)
            return {};
        if (!S_ISLNK(entry.st_mode)) {
            // A FIFO or a device would be replaced by a regular file.
            return S_ISREG(entry.st_mode)
                       ? QString()
                       : QCoreApplication::translate("SaveTarget", "Not a regular file");
        }
        const QByteArray folder = folderOf(current);
        struct stat folderStatus
        {};
        if (::stat(folder.constData(), &folderStatus) != 0)
            return {};
        if (!mayFollow(entry, folderStatus))
            return QCoreApplication::translate("SaveTarget",
                                               "A link that another user made in a shared folder");
        const QByteArray target = linkTarget(current);
        if (target.isEmpty())
            return {};
        current = target.startsWith('/') ? target : folder + '/' + target;
    }
    return {};
}
} // namespace SaveTarget
