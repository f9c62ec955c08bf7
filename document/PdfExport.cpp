// SPDX-License-Identifier: MIT
#include "document/PdfExport.h"

#include "document/PageCleanup.h"
#include "document/ReadingScale.h"
#include "imaging/AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <QUuid>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {
// How often the writing looks at Cancel while it waits for the next page.
constexpr auto CancelPoll = std::chrono::milliseconds(100);

// The pages between the readers and the writer. A reader takes the next page to read only a few
// pages ahead of the writing, so that a slow page does not make the others pile up in memory.
class PageLine
{
public:
    struct Ready
    {
        PdfWriter::PageParts parts;
        QString failure;
        // The print was too small to read well.
        bool smallPrint = false;
    };

    PageLine(int pages, int ahead)
        : m_pages(pages)
        , m_ahead(ahead)
    {}

    // The next page to read, or -1 once there is none or the export stops.
    int take()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(
            lock, [this] { return m_stop || m_next >= m_pages || m_next < m_written + m_ahead; });
        return m_stop || m_next >= m_pages ? -1 : m_next++;
    }
    void put(int index, Ready ready)
    {
        const std::lock_guard lock(m_mutex);
        m_ready.emplace(index, std::move(ready));
        m_changed.notify_all();
    }
    // The page to write next, once read; nothing while it is not ready yet after a short wait.
    std::optional<Ready> next()
    {
        std::unique_lock lock(m_mutex);
        if (!m_changed.wait_for(lock, CancelPoll, [this] { return m_ready.count(m_written) > 0; }))
            return std::nullopt;
        Ready ready = std::move(m_ready.at(m_written));
        m_ready.erase(m_written++);
        m_changed.notify_all();
        return ready;
    }
    void stop()
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const int m_pages;
    const int m_ahead;
    int m_next = 0;
    int m_written = 0;
    bool m_stop = false;
    std::map<int, Ready> m_ready;
};

PdfDocumentInfo completed(PdfDocumentInfo info, const QString &path)
{
    if (info.title.isEmpty())
        info.title = QFileInfo(path).completeBaseName();
    if (!info.created.isValid())
        info.created = QDateTime::currentDateTime();
    if (info.id.isEmpty())
        info.id = QUuid::createUuid().toRfc4122();
    return info;
}

// The text of the page that edits make of photographed, read off the page made for reading (in
// grey, squared at a larger scale) and placed on the page at its own scale.
PageReading readingOf(const QImage &page, const QImage &photographed, const PageEdits &edits,
                      TextRecognizer &recognizer, const TextRecognizer::CancelCheck &cancelled)
{
    const PageCleanup::Enlarged read = PageCleanup::renderForReading(photographed, edits);
    PageReading reading = recognizer.recognize(read.page, cancelled, read.scale);
    if (read.page.isNull())
        return reading;
    // The print's size as the camera saw it.
    reading.xHeight /= read.scale;
    // Enlarged alike both ways.
    const double scale = double(page.width()) / read.page.width();
    for (RecognizedWord &word : reading.words) {
        word.baselineStart *= scale;
        word.length *= scale;
        word.lineHeight *= scale;
    }
    return reading;
}

PageLine::Ready readPage(const PageSource &source, int number, TextRecognizer *recognizer,
                         QSizeF paper, const TextRecognizer::CancelCheck &cancelled)
{
    QString reason;
    const QImage photographed = source.load(&reason);
    if (photographed.isNull())
        return {{},
                QCoreApplication::translate("PdfExport", "Page %1 cannot be read: %2")
                    .arg(number)
                    .arg(reason)};
    // The text is read on the page as cleaned, where the print is level and evenly lit.
    const QImage picture = PageCleanup::render(photographed, source.edits);
    const PageReading reading =
        recognizer ? readingOf(picture, photographed, source.edits, *recognizer, cancelled)
                   : PageReading{};
    PdfWriter::PageParts parts =
        PdfWriter::preparePage(picture, source.edits.colourMode, reading, paper);
    if (parts.imageData.isEmpty())
        return {{},
                QCoreApplication::translate("PdfExport", "Page %1 cannot be encoded").arg(number)};
    return {std::move(parts), {}, ReadingScale::tooSmallToRead(reading.xHeight)};
}
} // namespace

namespace PdfExport {
PdfExportResult run(const std::vector<PageSource> &pages, const QString &path, QSizeF paper,
                    const PdfDocumentInfo &info, const RecognizerFactory &makeRecognizer,
                    int threads, const TextRecognizer::CancelCheck &cancelled,
                    const std::function<void(int)> &pageDone)
{
    PdfExportResult result;
    AtomicFile file(path);
    if (!file.open(&result.failure))
        return result;

    const int readers = std::clamp(threads, 1, std::max(1, int(pages.size())));
    PageLine line(int(pages.size()), 2 * readers);
    std::atomic_bool searchable{makeRecognizer != nullptr};
    std::vector<std::thread> reading;
    for (int r = 0; r < readers; ++r)
        reading.emplace_back([&] {
            const std::unique_ptr<TextRecognizer> recognizer =
                makeRecognizer ? makeRecognizer() : nullptr;
            if (!recognizer)
                searchable = false;
            for (int index = line.take(); index >= 0; index = line.take())
                line.put(index, readPage(pages[std::size_t(index)], index + 1, recognizer.get(),
                                         paper, cancelled));
        });

    PdfWriter writer([&](QByteArrayView bytes) { return file.write(bytes, &result.failure); });
    bool written = writer.begin(completed(info, path));
    for (int done = 0; written && done < int(pages.size());) {
        if (cancelled()) {
            result.status = PdfExportResult::Cancelled;
            break;
        }
        std::optional<PageLine::Ready> ready = line.next();
        if (!ready)
            continue;
        if (!ready->failure.isEmpty()) {
            result.failure = ready->failure;
            written = false;
            break;
        }
        written = writer.addPage(ready->parts);
        result.smallPrintPages += ready->smallPrint;
        pageDone(++done);
    }
    line.stop();
    for (std::thread &reader : reading)
        reader.join();
    if (result.status == PdfExportResult::Cancelled || !written)
        return result;
    // Cancelled while the last page was written: the old file stays all the same.
    if (cancelled()) {
        result.status = PdfExportResult::Cancelled;
        return result;
    }
    if (writer.finish() && file.commit(&result.failure))
        result.status = PdfExportResult::Written;
    result.searchable = searchable;
    return result;
}

int threadsPerPage(int pages, int threads)
{
    return std::clamp(threads / std::max(pages, 1), 1, 2);
}

QString smallPrintHint()
{
    return QCoreApplication::translate("PdfExport",
                                       "The print is too small to read well: zoom the camera in "
                                       "on the page for a better text layer.");
}
} // namespace PdfExport

PdfExportJob::PdfExportJob(std::vector<PageSource> pages, QString path, QSizeF paper,
                           PdfDocumentInfo info, PdfExport::RecognizerFactory makeRecognizer,
                           QObject *parent)
    : QObject(parent)
    , m_pages(std::move(pages))
    , m_path(std::move(path))
    , m_paper(paper)
    , m_info(std::move(info))
    , m_makeRecognizer(std::move(makeRecognizer))
{}

PdfExportJob::~PdfExportJob()
{
    if (!m_thread)
        return;
    cancel();
    m_thread->wait();
    delete m_thread;
}

void PdfExportJob::start()
{
    if (m_thread)
        return;
    m_thread = QThread::create([this] {
        const PdfExportResult result = PdfExport::run(
            m_pages, m_path, m_paper, m_info, m_makeRecognizer, QThread::idealThreadCount(),
            [this] { return m_cancelled.load(); },
            [this](int done) {
                QMetaObject::invokeMethod(this, [this, done] { Q_EMIT pageDone(done); });
            });
        QMetaObject::invokeMethod(this, [this, result] { Q_EMIT finished(result); });
    });
    m_thread->start();
}
