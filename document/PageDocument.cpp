// SPDX-License-Identifier: MIT
#include "document/PageDocument.h"

#include "document/Journal.h"
#include "document/JournalRecovery.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

QImage PageSource::load(QString *reason) const
{
    if (!picture.isNull())
        return picture;
    const std::optional<QByteArray> bytes = JournalFiles::read(path, reason);
    if (!bytes)
        return {};
    QImage loaded = QImage::fromData(*bytes, "png");
    if (loaded.isNull() && reason)
        *reason =
            QCoreApplication::translate("JournalRecovery", "The file holds no readable picture");
    return loaded;
}

PageDocument::PageDocument(QString journalBase, QObject *parent)
    : QObject(parent)
    , m_journalBase(std::move(journalBase))
{}

PageDocument::~PageDocument() = default;

int PageDocument::indexOf(PageId id) const
{
    const auto at = std::find_if(m_pages.begin(), m_pages.end(),
                                 [id](const Entry &entry) { return entry.record.id == id; });
    return at == m_pages.end() ? -1 : int(at - m_pages.begin());
}

bool PageDocument::openJournal()
{
    if (m_journal)
        return true;
    if (m_journalBase.isEmpty())
        return false;
    QString reason;
    std::unique_ptr<Journal> journal = Journal::create(m_journalBase, &reason);
    m_journalBase.clear(); // tried once: from now on the pages stay in memory
    if (!journal) {
        Q_EMIT journalUnavailable(reason);
        return false;
    }
    adoptJournal(std::move(journal));
    return true;
}

void PageDocument::adoptJournal(std::unique_ptr<Journal> journal)
{
    m_journal = std::move(journal);
    connect(m_journal.get(), &Journal::pageWritten, this, &PageDocument::onPageWritten);
    connect(m_journal.get(), &Journal::pageRefused, this, &PageDocument::onPageRefused);
    connect(m_journal.get(), &Journal::manifestFailed, this, &PageDocument::journalFailed);
}

std::optional<PageId> PageDocument::add(const QImage &picture, const PageEdits &edits)
{
    if (picture.isNull())
        return std::nullopt;
    const bool journalled = openJournal();
    const PageId id = journalled ? m_journal->takeId() : m_nextMemoryId++;
    Entry entry{{id, picture.size(), PageRecord::thumbnailOf(picture), edits}, picture};
    if (journalled)
        m_journal->writePage(id, picture, entry.record.thumbnail);
    m_pages.push_back(std::move(entry));
    recordPages();
    Q_EMIT pagesChanged();
    return id;
}

bool PageDocument::remove(int index)
{
    if (!valid(index))
        return false;
    const PageId id = m_pages[std::size_t(index)].record.id;
    removePages({id});
    return true;
}

bool PageDocument::move(int from, int to)
{
    if (!valid(from) || !valid(to))
        return false;
    const auto first = m_pages.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    recordPages();
    Q_EMIT pagesChanged();
    return true;
}

bool PageDocument::arrange(const std::vector<PageId> &ids)
{
    std::set<PageId> seen;
    std::vector<Entry> arranged;
    for (PageId id : ids) {
        const int index = indexOf(id);
        if (index < 0 || !seen.insert(id).second)
            return false;
        arranged.push_back(m_pages[std::size_t(index)]);
    }
    std::vector<PageId> removed;
    for (const Entry &entry : m_pages)
        if (!seen.count(entry.record.id))
            removed.push_back(entry.record.id);
    m_pages = std::move(arranged);
    recordPages();
    if (m_journal && !removed.empty())
        m_journal->removePages(removed);
    Q_EMIT pagesChanged();
    return true;
}

bool PageDocument::setEdits(int index, const PageEdits &edits, const QImage &thumbnail)
{
    if (!valid(index))
        return false;
    PageRecord &record = m_pages[std::size_t(index)].record;
    record.edits = edits;
    if (!thumbnail.isNull()) {
        record.thumbnail = PageRecord::thumbnailOf(thumbnail);
        if (m_journal)
            m_journal->writeThumbnail(record.id, record.thumbnail);
    }
    recordPages();
    Q_EMIT pageEdited(index);
    return true;
}

void PageDocument::removePages(const std::vector<PageId> &ids)
{
    const std::set<PageId> gone(ids.begin(), ids.end());
    std::vector<PageId> kept;
    for (const Entry &entry : m_pages)
        if (!gone.count(entry.record.id))
            kept.push_back(entry.record.id);
    if (kept.size() != m_pages.size())
        arrange(kept);
}

QImage PageDocument::picture(int index, QString *reason) const
{
    if (!valid(index))
        return {};
    return sources()[std::size_t(index)].load(reason);
}

std::vector<PageSource> PageDocument::sources() const
{
    std::vector<PageSource> sources;
    sources.reserve(m_pages.size());
    for (const Entry &entry : m_pages)
        sources.push_back(
            {entry.picture,
             entry.picture.isNull() ? m_journal->pagePath(entry.record.id) : QString(),
             entry.record.edits});
    return sources;
}

void PageDocument::recover(LeftJournal left)
{
    std::vector<PageRecord> records;
    if (m_journal) {
        records = m_journal->absorb(std::move(left));
    } else {
        for (const LeftJournal::Page &page : left.pages)
            records.push_back(page.record());
        adoptJournal(Journal::adopt(std::move(left)));
        m_journalBase.clear();
    }
    for (PageRecord &record : records)
        m_pages.push_back({std::move(record), QImage()});
    recordPages();
    Q_EMIT pagesChanged();
}

void PageDocument::waitUntilJournalled()
{
    if (m_journal)
        m_journal->waitUntilWritten();
}

void PageDocument::recordPages()
{
    if (!m_journal)
        return;
    std::vector<PageRecord> records;
    records.reserve(m_pages.size());
    for (const Entry &entry : m_pages)
        records.push_back({entry.record.id, entry.record.pictureSize, {}, entry.record.edits});
    m_journal->writeManifest(records);
}

void PageDocument::onPageWritten(PageId id)
{
    // From now on the picture is read from its file: the program holds its thumbnail only.
    const int index = indexOf(id);
    if (index >= 0)
        m_pages[std::size_t(index)].picture = QImage();
}

void PageDocument::onPageRefused(PageId id, const QString &reason)
{
    const int index = indexOf(id);
    if (index < 0)
        return;
    m_pages.erase(m_pages.begin() + index);
    recordPages();
    Q_EMIT pagesChanged();
    Q_EMIT pageRefused(reason);
}
