// SPDX-License-Identifier: MIT
// Reading the text of camera pages for the PDF's text layer, per kind of page, beside Tesseract's
// own reading of the very same full-size picture: the `tesseract` program of Debian's
// tesseract-ocr with its default page segmentation, given the picture as a PNG. Each iteration is
// one page of the corpus (bench/RecognitionCorpus.h); its time is the wall time of the reading
// alone. The program's text is what `pdftotext -raw` finds in the PDF it writes, so a misplaced
// word counts as an error too. Counters: the character error rate in percent (mean over the
// pages), the pages whose print the program measured too small to read well, and the pages it
// showed the wrong way up; for a kind of degraded page, the error on each page's clean twin (the
// same page laid square under even light) and the kind's error over it. Tesseract works on one
// thread in both: the program keeps it so itself, the tesseract program is given OMP_THREAD_LIMIT=1
// (its waiting threads slow it on busy cores).
//
//   recognition_bench --benchmark_filter=tuning   the part the reading was tuned on
//   recognition_bench --benchmark_filter=held     pages of texts and fonts never tuned on
//   recognition_bench --pages                     and each page's print and error rate
#include "bench/RecognitionCorpus.h"
#include "document/PdfWriter.h"
#include "document/ReadingScale.h"
#include "document/TesseractRecognizer.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/SimulatorPicture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace {
constexpr int PagesPerKind = 4;
// A kind's mean often comes from one page: --pages lists them on standard error.
bool listPages = false;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TextRecognizer &recognizerFor(const QString &language)
{
    static std::map<QString, std::unique_ptr<TesseractRecognizer>> made;
    std::unique_ptr<TesseractRecognizer> &recognizer = made[language];
    if (!recognizer)
        recognizer = TesseractRecognizer::create(language);
    return *recognizer;
}

enum class Reader
{
    Program,
    TesseractProgram
};

// The text of the PDF the program writes of the picture, as `pdftotext -raw` finds it.
QString programText(const QString &pdf, const QImage &picture, const PageReading &reading)
{
    QFile file(pdf);
    if (file.open(QIODevice::WriteOnly)) {
        PdfWriter writer([&file](QByteArrayView bytes) {
            return file.write(bytes.data(), bytes.size()) == bytes.size();
        });
        writer.begin({});
        writer.addPage(PdfWriter::preparePage(picture, PageEdits::ColourMode::Colour, reading,
                                              PdfWriter::paperSize(QLocale::c())));
        writer.finish();
    }
    file.close();
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
}

void readPages(benchmark::State &state, const std::string &name, const std::string &kind,
               RecognitionCorpus::Part part, Reader reader)
{
    const std::vector<RecognitionCorpus::Page> pages =
        RecognitionCorpus::pages(kind, part, PagesPerKind);
    // A kind's pages are drawn at random: the clean twin of each tells what the kind's change
    // costs, apart from the fonts, sizes and blur the draw gave it.
    const bool twins = reader == Reader::Program && kind != "clean" && kind != "clean-10pt";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const QString png = dir.filePath(QStringLiteral("page.png"));
    double errors = 0;
    double twinErrors = 0;
    int smallPrint = 0;
    int wrongWayUp = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const RecognitionCorpus::Page &page = pages[next++ % pages.size()];
        const SheetCapture capture = sheetCapture(page.setup);
        capture.picture.save(png);
        TextRecognizer &recognizer = recognizerFor(page.language);
        QString text;
        state.ResumeTiming();
        if (reader == Reader::Program) {
            const PageReading reading = recognizer.recognize(capture.picture, [] { return false; });
            state.PauseTiming();
            text = programText(pdf, capture.picture, reading);
            smallPrint += ReadingScale::tooSmallToRead(reading.xHeight);
            wrongWayUp += reading.quarterTurns != page.setup.quarterTurns;
        } else {
            text = run(QStringLiteral("tesseract"),
                       {png, QStringLiteral("stdout"), QStringLiteral("-l"), page.language});
            state.PauseTiming();
        }
        const double error = characterErrorRate(capture.sheet.text, text);
        errors += error;
        double twinError = 0;
        if (twins) {
            const SheetCapture twin = sheetCapture(page.clean);
            twinError = characterErrorRate(
                twin.sheet.text,
                programText(pdf, twin.picture,
                            recognizer.recognize(twin.picture, [] { return false; })));
            twinErrors += twinError;
        }
        if (listPages)
            std::fprintf(stderr,
                         "%s page %zu: %s %g pt, %d column(s), blur %.1f px: %.2f %% (clean "
                         "twin %.2f %%)\n",
                         name.c_str(), (next - 1) % pages.size(), qPrintable(page.setup.font),
                         page.setup.points, page.setup.columns, page.setup.blur, error, twinError);
        state.ResumeTiming();
    }
    state.counters["CER_%"] = benchmark::Counter(errors, benchmark::Counter::kAvgIterations);
    if (reader == Reader::Program) {
        state.counters["small_print"] = smallPrint;
        state.counters["wrong_way_up"] = wrongWayUp;
    }
    if (twins) {
        state.counters["twin_CER_%"] =
            benchmark::Counter(twinErrors, benchmark::Counter::kAvgIterations);
        // The kind's error over its clean twins'.
        state.counters["x_twin"] = twinErrors > 0 ? errors / twinErrors : 0;
    }
}

void registerAll()
{
    using RecognitionCorpus::Part;
    for (const Part part : {Part::Tuning, Part::HeldOut}) {
        const std::string partName = part == Part::Tuning ? "tuning" : "held-out";
        for (const std::string &kind : RecognitionCorpus::kinds()) {
            for (const Reader reader : {Reader::Program, Reader::TesseractProgram}) {
                const std::string name = "BM_ReadPage/" + partName + "/" + kind + "/" +
                                         (reader == Reader::Program ? "program" : "tesseract");
                benchmark::RegisterBenchmark(name.c_str(),
                                             [name, kind, part, reader](benchmark::State &state) {
                                                 readPages(state, name, kind, part, reader);
                                             })
                    ->Iterations(PagesPerKind)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            }
        }
    }
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    listPages = std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return std::strcmp(argument, "--pages") == 0;
    });
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
