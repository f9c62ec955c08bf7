// SPDX-License-Identifier: MIT
// A document of 1, 30 and 300 pages as a user collects it: the time a page takes of the
// user-interface thread when it is added (its encoding and writing run beside it), the resident
// memory the pages cost, the pages dialog opening over them, and Save as PDF with the text read
// on one thread beside the same save on every core, and Cancel in the middle of a save. The
// pages are camera pictures of text in real fonts (a serif and a sans at the sizes of a book and
// a letter), each with other words.
#include "app/PageCleaning.h"
#include "app/PagesDialog.h"
#include "document/PageDocument.h"
#include "document/PdfExport.h"
#include "document/TesseractRecognizer.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr QSize CameraPicture(1272, 1024);

const char *const Sentences[] = {
    "The committee met on Tuesday to review the budget for the coming year.",
    "Several members asked whether the library could stay open later in winter.",
    "A short report on the condition of the roof was read and accepted.",
    "The treasurer explained that heating costs had risen by almost a fifth.",
    "Volunteers offered to repaint the reading room during the summer holidays.",
    "It was agreed that the old maps should be copied before they fade further.",
    "The school asked to borrow the hall for its spring concert in April.",
    "Letters from three neighbours about parking were passed to the council.",
    "Nobody objected when the chair proposed a second meeting in March.",
    "Minutes of the last meeting were signed as a true record of what was said.",
    "Fresh bread, cheese and apples were served after the business was done.",
    "The printer in the office needs a new drum and should be replaced soon.",
};
constexpr int SentenceCount = int(std::size(Sentences));

// Page n of a stack: a heading and paragraphs of words set in a serif or a sans, on white paper
// that fills the camera's picture, each page with its own words.
QImage textPage(int n)
{
    QImage page(CameraPicture, QImage::Format_RGB888);
    page.fill(QColor(250, 249, 246));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(30, 30, 30));
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(34);
    heading.setBold(true);
    painter.setFont(heading);
    painter.drawText(QPoint(90, 90), QStringLiteral("Minutes, page %1").arg(n + 1));
    QFont body(n % 2 ? QStringLiteral("DejaVu Sans") : QStringLiteral("DejaVu Serif"));
    body.setPixelSize(n % 3 ? 22 : 26);
    painter.setFont(body);
    QString text;
    for (int s = 0; s < 24; ++s)
        text += QString::fromUtf8(Sentences[(n * 5 + s * 7) % SentenceCount]) + u' ';
    painter.drawText(QRect(90, 130, CameraPicture.width() - 180, CameraPicture.height() - 200),
                     Qt::TextWordWrap, text);
    return page;
}

// Pictures that the camera made already: rendering them is not the program's work.
const std::vector<QImage> &stack()
{
    static const std::vector<QImage> pages = [] {
        std::vector<QImage> rendered;
        for (int n = 0; n < 30; ++n)
            rendered.push_back(textPage(n));
        return rendered;
    }();
    return pages;
}

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0;
}

// A journalled document of count pages, each added as a capture adds it: a new picture of its
// own, the next one only after the journal has written the last (a capture takes longer than a
// page's writing). The longest and the mean time of add() go into the counters.
void collect(PageDocument &document, int count, benchmark::State *state)
{
    double longest = 0;
    double total = 0;
    for (int n = 0; n < count; ++n) {
        const QImage captured = stack()[std::size_t(n) % stack().size()].copy();
        QElapsedTimer timer;
        timer.start();
        document.add(captured);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        longest = std::max(longest, ms);
        total += ms;
        document.waitUntilJournalled();
        QCoreApplication::processEvents(); // the journal's word that the page is on disk
    }
    if (state) {
        state->counters["add_ms_mean"] = total / count;
        state->counters["add_ms_max"] = longest;
    }
}

// Argument: pages. Resident memory above the program before the first page, once every page is
// on disk; the aim is at most 100 MB at 300 pages.
void BM_CollectPages(benchmark::State &state)
{
    const int count = int(state.range(0));
    stack();
    for (auto _ : state) {
        QTemporaryDir stateHome;
        const double before = residentMegabytes();
        {
            PageDocument document(stateHome.path());
            collect(document, count, &state);
            state.counters["rss_above_empty_MB"] = residentMegabytes() - before;
            qint64 bytes = 0;
            QDirIterator files(stateHome.path(), {QStringLiteral("page-*[0-9].png")}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext())
                bytes += QFileInfo(files.next()).size();
            state.counters["page_file_kB"] = double(bytes) / 1024 / count;
            state.PauseTiming();
            document.arrange({}); // the journal goes with its pages
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CollectPages)
    ->Arg(1)
    ->Arg(30)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Argument: pages. From the command to a dialog drawn with every thumbnail it shows.
void BM_OpenPagesDialog(benchmark::State &state)
{
    QTemporaryDir stateHome;
    PageDocument document(stateHome.path());
    collect(document, int(state.range(0)), nullptr);
    const SettingsStore settings(stateHome.filePath(QStringLiteral("settings.ini")));
    PageCleaning cleaning(document);
    for (auto _ : state) {
        PagesDialog dialog(document, cleaning, settings);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_OpenPagesDialog)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arguments: pages, pages read at once (0: one per core), threads a page is read on (0: as the
// program chooses). One thread for everything is the floor's peer; one page at a time on two
// threads is how the pages were read before they were shared among the cores. The pages come
// from the journal, as in the program; the counter is the resident memory the save adds at its
// highest.
void BM_SavePdf(benchmark::State &state)
{
    const int count = int(state.range(0));
    const int threads = state.range(1) ? int(state.range(1)) : QThread::idealThreadCount();
    const int perPage =
        state.range(2) ? int(state.range(2)) : PdfExport::threadsPerPage(count, threads);
    if (!TesseractRecognizer::create(QStringLiteral("eng"))) {
        state.SkipWithError("the English language pack (tesseract-ocr-eng) is not installed");
        return;
    }
    QTemporaryDir stateHome;
    PageDocument document(stateHome.path());
    collect(document, count, nullptr);
    const std::vector<PageSource> sources = document.sources();
    const QString path = stateHome.filePath(QStringLiteral("book.pdf"));
    double highest = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        const PdfExportResult result = PdfExport::run(
            sources, path, PdfWriter::paperSize(QLocale::c()), {},
            [perPage] { return TesseractRecognizer::create(QStringLiteral("eng"), perPage); },
            threads, [] { return false; },
            [&](int) { highest = std::max(highest, residentMegabytes() - before); });
        if (result.status != PdfExportResult::Written || !result.searchable)
            state.SkipWithError("the PDF was not written with its text");
    }
    state.counters["pages_at_once"] = threads;
    state.counters["threads_per_page"] = perPage;
    state.counters["rss_added_MB"] = highest;
    state.counters["s_per_page"] =
        benchmark::Counter(double(count) * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SavePdf)
    ->Args({1, 1, 1})
    ->Args({1, 0, 0})
    ->Args({30, 1, 1})
    ->Args({30, 1, 2})
    ->Args({30, 0, 0})
    ->Args({300, 0, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Cancel in the middle of a save of 30 pages on every core: the time from the click to the
// export's end, the old file kept (the aim is under a second).
void BM_CancelSave(benchmark::State &state)
{
    QTemporaryDir stateHome;
    PageDocument document(stateHome.path());
    collect(document, 30, nullptr);
    const std::vector<PageSource> sources = document.sources();
    const QString path = stateHome.filePath(QStringLiteral("book.pdf"));
    double longest = 0;
    for (auto _ : state) {
        std::atomic_bool cancelled{false};
        std::atomic_int written{0};
        std::atomic_bool ended{false};
        PdfExportResult result;
        std::thread save([&] {
            result = PdfExport::run(
                sources, path, PdfWriter::paperSize(QLocale::c()), {},
                [] { return TesseractRecognizer::create(QStringLiteral("eng"), 1); },
                QThread::idealThreadCount(), [&] { return cancelled.load(); },
                [&](int done) { written = done; });
            ended = true;
        });
        while (written < 2 && !ended)
            QThread::msleep(10);
        QElapsedTimer timer;
        timer.start();
        cancelled = true;
        save.join();
        longest = std::max(longest, double(timer.nsecsElapsed()) / 1e6);
        if (result.status != PdfExportResult::Cancelled || QFile::exists(path))
            state.SkipWithError("the cancelled save left a file");
    }
    state.counters["cancel_ms_max"] = longest;
}
BENCHMARK(BM_CancelSave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
