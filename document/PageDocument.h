// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageRecord.h"
#include "document/PageSource.h"

#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class Journal;
struct LeftJournal;

// The pages of the PDF in order. Each page keeps its id, its source picture as it was shown
// (sharpness and gamma applied) and its edits; the program holds its thumbnail, while the picture
// lives in the journal on disk once written there. Without a journal (none was asked for, or its
// folder cannot be written) the pictures stay in memory.
//
// Indexes and ids that name no page are refused, so a stale one from a view changes nothing.
class PageDocument : public QObject
{
    Q_OBJECT
public:
    // journalBase: where the journal is made at the first page; empty: pictures in memory only.
    explicit PageDocument(QString journalBase = {}, QObject *parent = nullptr);
    // The journal ends: with pages left it stays for the next start to offer them back.
    ~PageDocument() override;

    int count() const { return int(m_pages.size()); }
    bool isEmpty() const { return m_pages.empty(); }
    const PageRecord &page(int index) const { return m_pages[std::size_t(index)].record; }
    int indexOf(PageId id) const;
    bool journalled() const { return m_journal != nullptr; }

    // Adds a page at the end with its edits; nothing for a null picture.
    std::optional<PageId> add(const QImage &picture, const PageEdits &edits = {});
    bool remove(int index);
    // The page at from ends up at index to; the others keep their order.
    bool move(int from, int to);
    // The pages in the order of ids; a page left out is removed. Refused when an id is unknown
    // or repeated.
    bool arrange(const std::vector<PageId> &ids);
    // thumbnail: the page as the edits make it, for the pages dialog (its size does not
    // matter); null: the thumbnail stays.
    bool setEdits(int index, const PageEdits &edits, const QImage &thumbnail = {});
    // Removes the pages of ids that are here: those a save has written.
    void removePages(const std::vector<PageId> &ids);

    // The page's full picture, from memory or the journal; a null one with the reason.
    QImage picture(int index, QString *reason) const;
    // Where a save finds each page's picture, in order.
    std::vector<PageSource> sources() const;

    // Takes over the pages of a journal another copy left, after the pages here: the first such
    // journal becomes this document's journal, the pages of later ones move into it.
    void recover(LeftJournal left);
    // Returns once every page and manifest asked for is on disk.
    void waitUntilJournalled();

Q_SIGNALS:
    // Pages were added, removed or moved.
    void pagesChanged();
    void pageEdited(int index);
    // A page could not be written to the journal: it is gone again, the journal as it was.
    void pageRefused(const QString &reason);
    // Said once: the journal cannot be made, pages stay in memory and would not survive a crash.
    void journalUnavailable(const QString &reason);
    // The journal's record of the pages could not be updated.
    void journalFailed(const QString &reason);

private:
    struct Entry
    {
        PageRecord record;
        // The full picture until the journal has written it; always without a journal.
        QImage picture;
    };

    bool valid(int index) const { return index >= 0 && index < count(); }
    bool openJournal();
    void adoptJournal(std::unique_ptr<Journal> journal);
    void recordPages();
    void onPageWritten(PageId id);
    void onPageRefused(PageId id, const QString &reason);

    std::vector<Entry> m_pages;
    QString m_journalBase;
    std::unique_ptr<Journal> m_journal;
    // Ids of pages held in memory only.
    PageId m_nextMemoryId = 1;
};
