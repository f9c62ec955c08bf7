// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageRecord.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The files of a journal folder: how they are named, written and checked.
namespace JournalFiles {
inline constexpr char ManifestName[] = "manifest";
inline constexpr char LockName[] = "lock";

QString pageFileName(PageId id);
QString thumbnailFileName(PageId id);
// The page a page file holds (not its thumbnail); nothing for any other name.
std::optional<PageId> pageOfFileName(const QString &name);
// What a write left behind when it was cut off.
bool isTemporary(const QString &name);

// Replaces folder/name with bytes: they go to a temporary file in the folder, which is synced
// when sync is set, renamed over the name, and the folder synced, so that after a crash or a
// power cut the name holds the old bytes or the new ones, never a part. False with the system's
// reason when something failed; the temporary file is gone then and the name unchanged.
bool replace(const QString &folder, const QString &name, QByteArrayView bytes, bool sync,
             QString *reason);
// The bytes of a file, or nothing with the system's reason.
std::optional<QByteArray> read(const QString &path, QString *reason);
// Removes what a journal writes for itself (its manifest, lock, thumbnails and temporary files,
// none of the user's pages), then the folder if nothing else is in it.
void removeOwnFiles(const QString &folder);
// CRC-32 (zlib's): tells a page file that was changed or garbled after it was written.
quint32 checksum(QByteArrayView bytes);
} // namespace JournalFiles

// An exclusive kernel lock (flock) on a journal folder's lock file, held for the life of the
// object. The kernel drops it when the process ends, however it ends, so a journal is in use
// exactly while its lock is held.
class FolderLock
{
public:
    enum class Outcome
    {
        Taken,
        HeldElsewhere,
        Failed
    };

    FolderLock() = default;
    ~FolderLock();
    FolderLock(FolderLock &&other) noexcept;
    FolderLock &operator=(FolderLock &&other) noexcept;
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // The lock of the folder; reason says why when the outcome is Failed.
    static FolderLock take(const QString &folder, Outcome *outcome, QString *reason);
    bool held() const { return m_fd >= 0; }

private:
    explicit FolderLock(int fd)
        : m_fd(fd)
    {}

    int m_fd = -1;
};
