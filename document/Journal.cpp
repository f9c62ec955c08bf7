// SPDX-License-Identifier: MIT
#include "document/Journal.h"

#include "document/DocumentLogging.h"
#include "document/JournalRecovery.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {
// Qt's PNG quality 80 is zlib's level 1: a camera page in about a tenth of the time of the
// default level, for a file a fifth larger.
constexpr int FastPngQuality = 80;

QByteArray encodePng(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(FastPngQuality);
    return writer.write(picture) ? bytes : QByteArray();
}

// The folder made for this user alone: the pages are pictures of the user's papers.
bool makePrivateFolder(const QString &path, QString *reason)
{
    if (!QDir().mkpath(path)) {
        *reason = QCoreApplication::translate("Journal", "The folder %1 cannot be made")
                      .arg(QDir::toNativeSeparators(path));
        return false;
    }
    ::chmod(QFile::encodeName(path).constData(), 0700);
    return true;
}
} // namespace

Journal::Journal(QString folder, FolderLock lock, PageId nextId)
    : m_folder(std::move(folder))
    , m_lock(std::move(lock))
    , m_nextId(nextId)
{
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
}

std::unique_ptr<Journal> Journal::create(const QString &base, QString *reason)
{
    if (base.isEmpty()) {
        *reason = tr("There is no home folder to keep them in");
        return nullptr;
    }
    if (!makePrivateFolder(base, reason))
        return nullptr;
    QByteArray pattern = QFile::encodeName(base + QStringLiteral("/pages-XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        *reason =
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(base), qt_error_string(errno));
        return nullptr;
    }
    const QString folder = QFile::decodeName(pattern);
    FolderLock::Outcome outcome;
    FolderLock lock = FolderLock::take(folder, &outcome, reason);
    if (outcome != FolderLock::Outcome::Taken) {
        QDir(folder).removeRecursively();
        return nullptr;
    }
    return std::unique_ptr<Journal>(new Journal(folder, std::move(lock), 1));
}

std::unique_ptr<Journal> Journal::adopt(LeftJournal left)
{
    PageId next = left.nextId;
    for (const LeftJournal::Page &page : left.pages)
        next = std::max(next, page.file.id + 1);
    std::unique_ptr<Journal> journal(new Journal(left.folder, std::move(left.lock), next));
    for (const LeftJournal::Page &page : left.pages)
        journal->m_written[page.file.id] = {page.file.bytes, page.file.checksum};
    journal->m_pagesOnDisk = left.pages.size();
    return journal;
}

Journal::~Journal()
{
    m_writer.waitForDone();
    if (m_pagesOnDisk == 0)
        JournalFiles::removeOwnFiles(m_folder);
}

PageId Journal::takeId()
{
    return m_nextId++;
}

QString Journal::pagePath(PageId id) const
{
    return m_folder + u'/' + JournalFiles::pageFileName(id);
}

void Journal::runInOrder(std::function<void()> task)
{
    m_writer.start(std::move(task));
}

void Journal::writePage(PageId id, const QImage &picture, const QImage &thumbnail)
{
    runInOrder([this, id, picture, thumbnail] { writePageFile(id, picture, thumbnail); });
}

void Journal::writeThumbnail(PageId id, const QImage &thumbnail)
{
    runInOrder([this, id, thumbnail] {
        // A page the disk refused has no thumbnail either.
        if (m_written.count(id))
            writeThumbnailFile(id, thumbnail);
    });
}

void Journal::writeManifest(const std::vector<PageRecord> &pages)
{
    JournalManifest wanted;
    wanted.changed = QDateTime::currentDateTime();
    wanted.nextId = m_nextId;
    for (const PageRecord &page : pages)
        wanted.pages.push_back({page.id, 0, 0, page.pictureSize, page.edits});
    runInOrder([this, wanted] { writeManifestFile(wanted); });
}

void Journal::removePages(const std::vector<PageId> &ids)
{
    runInOrder([this, ids] {
        for (PageId id : ids) {
            QFile::remove(pagePath(id));
            QFile::remove(m_folder + u'/' + JournalFiles::thumbnailFileName(id));
            m_written.erase(id);
        }
    });
}

void Journal::waitUntilWritten()
{
    m_writer.waitForDone();
}

void Journal::writePageFile(PageId id, const QImage &picture, const QImage &thumbnail)
{
    const QByteArray png = encodePng(picture);
    QString reason = tr("The picture cannot be encoded");
    if (png.isEmpty() ||
        !JournalFiles::replace(m_folder, JournalFiles::pageFileName(id), png, true, &reason)) {
        qCWarning(lcDocument) << "cannot write page" << id << "to" << m_folder << reason;
        QMetaObject::invokeMethod(this, [this, id, reason] { Q_EMIT pageRefused(id, reason); });
        return;
    }
    m_written[id] = {png.size(), JournalFiles::checksum(png)};
    writeThumbnailFile(id, thumbnail);
    QMetaObject::invokeMethod(this, [this, id] { Q_EMIT pageWritten(id); });
}

void Journal::writeThumbnailFile(PageId id, const QImage &thumbnail)
{
    // A lost thumbnail is made again from the page, so it is not synced.
    QString reason;
    if (!JournalFiles::replace(m_folder, JournalFiles::thumbnailFileName(id), encodePng(thumbnail),
                               false, &reason))
        qCWarning(lcDocument) << "cannot write the thumbnail of page" << id << reason;
}

void Journal::writeManifestFile(const JournalManifest &wanted)
{
    JournalManifest manifest = wanted;
    std::erase_if(manifest.pages, [this](JournalManifest::Page &page) {
        const auto written = m_written.find(page.id);
        if (written == m_written.end())
            return true;
        page.bytes = written->second.bytes;
        page.checksum = written->second.checksum;
        return false;
    });
    QString reason;
    if (JournalFiles::replace(m_folder, QLatin1String(JournalFiles::ManifestName),
                              manifest.format(), true, &reason)) {
        m_pagesOnDisk = manifest.pages.size();
        return;
    }
    qCWarning(lcDocument) << "cannot write the manifest of" << m_folder << reason;
    QMetaObject::invokeMethod(this, [this, reason] { Q_EMIT manifestFailed(reason); });
}

std::vector<PageRecord> Journal::absorb(LeftJournal left)
{
    std::vector<PageRecord> records;
    std::vector<std::pair<PageId, PageId>> moves; // old id, new id
    for (const LeftJournal::Page &page : left.pages) {
        PageRecord record = page.record();
        record.id = takeId();
        moves.emplace_back(page.file.id, record.id);
        records.push_back(record);
    }
    std::vector<PageRecord> moved;
    runInOrder([&] {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const auto [from, to] = moves[i];
            const QString source = left.folder + u'/' + JournalFiles::pageFileName(from);
            if (!QFile::rename(source, pagePath(to))) {
                qCWarning(lcDocument) << "cannot move" << source << "into" << m_folder;
                continue;
            }
            QFile::rename(left.folder + u'/' + JournalFiles::thumbnailFileName(from),
                          m_folder + u'/' + JournalFiles::thumbnailFileName(to));
            m_written[to] = {left.pages[i].file.bytes, left.pages[i].file.checksum};
            moved.push_back(records[i]);
        }
    });
    m_writer.waitForDone();
    // What could not be moved stays in the left journal, which its manifest still names.
    if (moved.size() == records.size()) {
        JournalFiles::removeOwnFiles(left.folder);
    }
    return moved;
}
