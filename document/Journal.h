// SPDX-License-Identifier: MIT
#pragma once

#include "document/JournalFiles.h"
#include "document/JournalManifest.h"

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <map>
#include <memory>
#include <vector>

struct LeftJournal;

// The pages of a document on disk while they are not saved, so that a crash, a kill or a power
// cut loses none: a folder of the program's own with a page file per page (PNG, lossless), a
// small thumbnail beside it, and the manifest, rewritten on every change. Each file is written
// whole and synced before it replaces anything. The folder is locked while the journal lives.
//
// The writing runs on a thread beside the caller, in the order asked; the results come back as
// signals on the caller's thread. A manifest names only pages whose file is on disk.
class Journal : public QObject
{
    Q_OBJECT
public:
    // A new journal in a folder of its own under base (made when missing, for this user alone);
    // nothing, and why, when it cannot be made there.
    static std::unique_ptr<Journal> create(const QString &base, QString *reason);
    // Continues the journal a copy of the program left: its pages stay where they are.
    static std::unique_ptr<Journal> adopt(LeftJournal left);
    // Waits for what is being written. With no page left in the last manifest the folder goes
    // (but any file in it the journal does not know); else it stays for the next start to offer.
    ~Journal() override;

    QString folder() const { return m_folder; }
    // A new page's id: never used in this journal before.
    PageId takeId();
    QString pagePath(PageId id) const;

    // Writes the page's picture and thumbnail; pageWritten or pageRefused follows.
    void writePage(PageId id, const QImage &picture, const QImage &thumbnail);
    // The thumbnail of a page on disk whose edits changed it, so that it comes back as it was.
    void writeThumbnail(PageId id, const QImage &thumbnail);
    // Records the document's pages in order, those whose file is written.
    void writeManifest(const std::vector<PageRecord> &pages);
    // Removes the pages' files: call after a manifest without them.
    void removePages(const std::vector<PageId> &ids);
    // Moves the pages of a journal another copy left into this one, under new ids;
    // their records come back in order with the new ids. That journal's folder goes once empty.
    std::vector<PageRecord> absorb(LeftJournal left);
    // Returns once everything asked for is on disk (or has failed).
    void waitUntilWritten();

Q_SIGNALS:
    void pageWritten(PageId id);
    // The page's file could not be written (reason: the system's); nothing of it is on disk.
    void pageRefused(PageId id, const QString &reason);
    // The manifest could not be replaced; the one before it stays.
    void manifestFailed(const QString &reason);

private:
    struct WrittenFile
    {
        qint64 bytes;
        quint32 checksum;
    };

    Journal(QString folder, FolderLock lock, PageId nextId);
    void runInOrder(std::function<void()> task);
    // Folder jobs, on the writing thread.
    void writePageFile(PageId id, const QImage &picture, const QImage &thumbnail);
    void writeThumbnailFile(PageId id, const QImage &thumbnail);
    void writeManifestFile(const JournalManifest &wanted);

    QString m_folder;
    FolderLock m_lock;
    PageId m_nextId = 1;
    // On the writing thread only: the page files written, and how many pages the last manifest
    // on disk names.
    std::map<PageId, WrittenFile> m_written;
    std::size_t m_pagesOnDisk = 0;
    // One thread: the jobs run one after another, in the order they were asked for.
    QThreadPool m_writer;
};
