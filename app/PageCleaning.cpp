// SPDX-License-Identifier: MIT
#include "app/PageCleaning.h"

#include "document/PageDocument.h"

#include <QtConcurrent/QtConcurrentRun>

PageCleaning::PageCleaning(PageDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{}

PageCleaning::~PageCleaning()
{
    for (auto &[id, running] : m_running)
        running.watcher->waitForFinished();
}

void PageCleaning::clean(PageId id, const QImage &picture, bool book)
{
    start(id, picture, book, [picture](const PageEdits &started) {
        return PageCleanup::suggest(picture, started, PageCleanup::Turning::ByText);
    });
}

void PageCleaning::finishEdited(PageId id, const QImage &picture, const PageEdits &edits,
                                const std::optional<std::array<QPointF, 4>> &openedCorners,
                                bool book)
{
    start(id, picture, book, [picture, edits, openedCorners](const PageEdits &) {
        return PageCleanup::Suggestion{PageCleanup::completed(picture, edits, openedCorners), true};
    });
}

void PageCleaning::start(PageId id, const QImage &picture, bool book, Finding find)
{
    const int index = m_document.indexOf(id);
    if (index < 0)
        return;
    if (const auto earlier = m_running.find(id); earlier != m_running.end()) {
        // Its work goes on in the pool on its own copies; only its result is dropped.
        delete earlier->second.watcher;
        m_running.erase(earlier);
    }
    const PageEdits started = m_document.page(index).edits;
    auto *watcher = new QFutureWatcher<Cleaned>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, id] { keep(id); });
    m_running.emplace(id, Running{started, watcher});
    watcher->setFuture(QtConcurrent::run([picture, started, book, find = std::move(find)] {
        Cleaned cleaned;
        cleaned.picture = picture;
        const PageCleanup::Suggestion found = find(started);
        cleaned.edits = found.edits;
        cleaned.sheetFound = found.sheetFound;
        if (const auto pages =
                book ? PageCleanup::splitSpread(picture, cleaned.edits) : std::nullopt) {
            cleaned.edits = pages->first;
            cleaned.right = pages->second;
            cleaned.rightPage = PageCleanup::render(picture, pages->second);
        }
        cleaned.page = PageCleanup::render(picture, cleaned.edits);
        return cleaned;
    }));
}

void PageCleaning::finishAll()
{
    while (!m_running.empty()) {
        const PageId id = m_running.begin()->first;
        m_running.begin()->second.watcher->waitForFinished();
        keep(id);
    }
}

void PageCleaning::keep(PageId id)
{
    const auto running = m_running.find(id);
    if (running == m_running.end())
        return;
    QFutureWatcher<Cleaned> *watcher = running->second.watcher;
    const PageEdits started = running->second.started;
    m_running.erase(running);
    watcher->deleteLater();
    const int index = m_document.indexOf(id);
    if (index < 0 || m_document.page(index).edits != started)
        return;
    const Cleaned cleaned = watcher->result();
    m_document.setEdits(index, cleaned.edits, cleaned.page);
    if (cleaned.right && m_document.add(cleaned.picture, *cleaned.right)) {
        const int last = m_document.count() - 1;
        m_document.setEdits(last, *cleaned.right, cleaned.rightPage);
        m_document.move(last, index + 1);
    }
    if (!cleaned.sheetFound)
        Q_EMIT noSheetFound();
}
