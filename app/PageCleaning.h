// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageCleanup.h"
#include "document/PageRecord.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>
#include <map>

class PageDocument;

// Cleans the pages added to a document off the user-interface thread: the sheet found, squared
// and made level, the result kept as the page's edits, or the page made as edited by hand; for a
// book, two pages photographed open become two pages, the right one after the left. A page removed
// meanwhile is left alone, and so is one the user edited meanwhile: the user's edits win, and a
// page started again drops the result of its earlier start.
class PageCleaning : public QObject
{
    Q_OBJECT
public:
    explicit PageCleaning(PageDocument &document, QObject *parent = nullptr);
    // Waits for the clean-ups still running, so that none is lost.
    ~PageCleaning() override;

    // Starts cleaning the page of id, whose source picture is picture; book: a spread is parted.
    void clean(PageId id, const QImage &picture, bool book = false);
    // Starts making the page of id as edited by hand in the page editor opened on openedCorners
    // (PageCleanup::completed): nothing is found again, only a book's spread parted. The page's
    // edits change once the work is done.
    void finishEdited(PageId id, const QImage &picture, const PageEdits &edits,
                      const std::optional<std::array<QPointF, 4>> &openedCorners, bool book);
    bool busy() const { return !m_running.empty(); }
    // Waits for every clean-up started and keeps its result: before a save reads the pages.
    void finishAll();

Q_SIGNALS:
    // The clean-up found no sheet on the page's picture: it keeps the whole picture.
    void noSheetFound();

private:
    struct Cleaned
    {
        PageEdits edits;
        bool sheetFound = true;
        // The page as the suggested edits make it, for its thumbnail.
        QImage page;
        // A book's right page, when the picture was a spread (edits are the left one).
        std::optional<PageEdits> right;
        QImage rightPage;
        QImage picture;
    };
    struct Running
    {
        PageEdits started;
        QFutureWatcher<Cleaned> *watcher;
    };

    // The page's edits and whether a sheet was found, worked out on a pooled thread from the
    // page's edits at the start.
    using Finding = std::function<PageCleanup::Suggestion(const PageEdits &started)>;

    void start(PageId id, const QImage &picture, bool book, Finding find);
    void keep(PageId id);

    PageDocument &m_document;
    std::map<PageId, Running> m_running;
};
