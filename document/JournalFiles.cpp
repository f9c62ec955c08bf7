// SPDX-License-Identifier: MIT
#include "document/JournalFiles.h"

#include "document/DocumentLogging.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>
#include <zlib.h>

namespace {
QString systemReason(int error)
{
    return qt_error_string(error);
}

bool fail(QString *reason, int error)
{
    if (reason)
        *reason = systemReason(error);
    return false;
}

bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A write that stops part way says only how far it got; the next one says why.
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}
} // namespace

namespace JournalFiles {
QString pageFileName(PageId id)
{
    return QStringLiteral("page-%1.png").arg(id);
}

QString thumbnailFileName(PageId id)
{
    return QStringLiteral("page-%1.thumbnail.png").arg(id);
}

std::optional<PageId> pageOfFileName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^page-([0-9]{1,19})\\.png$"));
    const QRegularExpressionMatch match = pattern.match(name);
    bool ok = false;
    const PageId id = match.hasMatch() ? match.captured(1).toULongLong(&ok) : 0;
    return ok && id > 0 ? std::optional(id) : std::nullopt;
}

bool isTemporary(const QString &name)
{
    return name.endsWith(QLatin1String(".tmp"));
}

bool replace(const QString &folder, const QString &name, QByteArrayView bytes, bool sync,
             QString *reason)
{
    const QByteArray folderPath = QFile::encodeName(folder);
    const QByteArray target = QFile::encodeName(folder + u'/' + name);
    const QByteArray temporary = target + ".tmp";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(reason, errno);
    bool written = writeAll(fd, bytes) && (!sync || ::fsync(fd) == 0);
    int error = errno;
    // Some file systems report a failed write only when the file is closed.
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), target.constData()) == 0) {
        // The rename is made durable where the file system can; some (FUSE, network) cannot sync
        // a folder, and the bytes are on disk either way.
        if (sync && !syncFolder(folderPath))
            qCWarning(lcDocument) << "cannot sync the folder" << folder << systemReason(errno);
        return true;
    }
    if (written)
        error = errno;
    ::unlink(temporary.constData());
    return fail(reason, error);
}

std::optional<QByteArray> read(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

void removeOwnFiles(const QString &path)
{
    QDir folder(path);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name == QLatin1String(ManifestName) || name == QLatin1String(LockName) ||
            isTemporary(name) || name.endsWith(QLatin1String(".thumbnail.png")))
            folder.remove(name);
    if (!QDir().rmdir(path))
        qCInfo(lcDocument) << "kept" << path << "for the files in it";
}

quint32 checksum(QByteArrayView bytes)
{
    uLong crc = crc32_z(0, nullptr, 0);
    return quint32(
        crc32_z(crc, reinterpret_cast<const Bytef *>(bytes.data()), std::size_t(bytes.size())));
}
} // namespace JournalFiles

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderLock::FolderLock(FolderLock &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{}

FolderLock &FolderLock::operator=(FolderLock &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FolderLock FolderLock::take(const QString &folder, Outcome *outcome, QString *reason)
{
    const QByteArray path =
        QFile::encodeName(folder + u'/' + QLatin1String(JournalFiles::LockName));
    // Not inherited by programs we start, which would keep the journal locked after we end; never
    // waits on a FIFO left at the path.
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0600);
    if (fd < 0) {
        *outcome = Outcome::Failed;
        fail(reason, errno);
        return {};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        *outcome = Outcome::Taken;
        return FolderLock(fd);
    }
    const int error = errno;
    ::close(fd);
    *outcome = error == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Failed;
    fail(reason, error);
    return {};
}
