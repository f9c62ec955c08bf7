// SPDX-License-Identifier: MIT
#include "document/PdfExport.h"

#include "document/TesseractRecognizer.h"
#include "tests/document/PdfTools.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/SimulatorPicture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <thread>

namespace {
using PdfTools::pageCountOf;
using PdfTools::qpdfFindsNoFault;
using PdfTools::run;
using PdfTools::textOf;

class FixedWords : public TextRecognizer
{
public:
    PageReading recognize(const QImage &, const CancelCheck &, double) override
    {
        // The PDF's own delimiters, and letters of several scripts.
        static const QStringList Words{QStringLiteral("Grüße"),  QStringLiteral("(a\\b)"),
                                       QStringLiteral("Zażółć"), QStringLiteral("Καλημέρα"),
                                       QStringLiteral("Привет"), QStringLiteral("漢字かな")};
        std::vector<RecognizedWord> words;
        for (const QString &word : Words)
            words.push_back({word, QPointF(10 + 100 * double(words.size()), 22), 80, 12});
        return {words};
    }
};

// Reads each page's number from its width, the later pages sooner than the earlier ones, so that
// with several readers the pages are ready out of order.
class NumberFromWidth : public TextRecognizer
{
public:
    PageReading recognize(const QImage &picture, const CancelCheck &, double) override
    {
        QThread::msleep(std::max(0, 60 - 6 * picture.width()));
        return {{{QStringLiteral("page%1").arg(picture.width()), QPointF(1, 5), 4, 4}}};
    }
};

PdfExportResult exportSources(const std::vector<PageSource> &pages, const QString &path,
                              PdfExport::RecognizerFactory factory, bool cancel = false,
                              int threads = 2)
{
    return PdfExport::run(
        pages, path, PdfWriter::paperSize(QLocale::c()), {}, factory, threads,
        [cancel] { return cancel; }, [](int) {});
}

PdfExportResult exportPages(const std::vector<QImage> &pictures, const QString &path,
                            PdfExport::RecognizerFactory factory, bool cancel = false)
{
    std::vector<PageSource> pages;
    for (const QImage &picture : pictures)
        pages.push_back({picture, {}, {}});
    return exportSources(pages, path, std::move(factory), cancel);
}

// Pages of real words as the camera sees them: a clean upright sheet, and a sheet of smaller
// print put under the camera sideways and askew on a dark desk. Both are read into the text
// layer, the sideways page is shown upright, and the words keep the order of the page; the
// accuracy itself is the recognition benchmark's, this bound only catches a reading gone bad.
TEST(PdfExport, CameraPagesAreSearchableAndShownUpright)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    SheetSetup turned;
    turned.points = 9;
    turned.quarterTurns = 1;
    turned.skew = 3;
    turned.desk = 40;
    const SheetCapture pages[] = {sheetCapture({}), sheetCapture(turned)};
    const auto result = exportPages({pages[0].picture, pages[1].picture}, path, [] {
        return TesseractRecognizer::create(QStringLiteral("eng"));
    });
    EXPECT_EQ(result.status, PdfExportResult::Written);
    EXPECT_TRUE(result.searchable);
    EXPECT_EQ(pageCountOf(path), 2);
    EXPECT_TRUE(qpdfFindsNoFault(path));
    for (int page = 1; page <= 2; ++page) {
        const QString number = QString::number(page);
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-raw"), QStringLiteral("-f"), number,
                                  QStringLiteral("-l"), number, path, QStringLiteral("-")});
        const QString &truth = pages[page - 1].sheet.text;
        EXPECT_LT(characterErrorRate(truth, text), 10) << text.toStdString();
    }
    const QString info =
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                        QStringLiteral("-l"), QStringLiteral("2"), path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +1 rot: +0\\b"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +2 rot: +270\\b"))))
        << info.toStdString();
}

// Reads one word near the bottom right corner of the picture it is given, and keeps its depth.
class CornerWord : public TextRecognizer
{
public:
    explicit CornerWord(std::atomic_int &depth)
        : m_depth(depth)
    {}
    PageReading recognize(const QImage &picture, const CancelCheck &, double) override
    {
        m_depth = picture.depth();
        return {{{QStringLiteral("corner"), QPointF(picture.width() * 0.8, picture.height() * 0.9),
                  picture.width() * 0.1, picture.height() * 0.02}}};
    }

private:
    std::atomic_int &m_depth;
};

// A black-and-white page's text is read as photographed, not thresholded, and lies where it was
// read on the enlarged black-and-white page.
TEST(PdfExport, BlackAndWhiteIsReadAsPhotographedWhereItLies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bilevel.pdf"));
    const SheetCapture capture = sheetCapture({});
    PageEdits edits;
    edits.corners = capture.sheet.corners;
    edits.colourMode = PageEdits::ColourMode::BlackAndWhite;
    std::atomic_int depth{0};
    ASSERT_EQ(exportSources({{capture.picture, {}, edits}}, path,
                            [&depth] { return std::make_unique<CornerWord>(depth); })
                  .status,
              PdfExportResult::Written);
    EXPECT_EQ(depth, capture.picture.depth());
    const QString boxes =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""))
            .match(boxes);
    const QRegularExpressionMatch word =
        QRegularExpression(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>corner<"))
            .match(boxes);
    ASSERT_TRUE(page.hasMatch() && word.hasMatch()) << boxes.toStdString();
    EXPECT_GT(word.captured(1).toDouble() / page.captured(1).toDouble(), 0.7);
    EXPECT_GT(word.captured(2).toDouble() / page.captured(2).toDouble(), 0.8);
}

// Tesseract's OpenMP threads made each page several times slower; a save reads on threads of its
// own, which OpenMP starts with its defaults, so the limit must hold on the reading thread.
TEST(PdfExport, ReadingOnAThreadOfItsOwnStartsNoOpenMpThreads)
{
    using MaxActiveLevels = int (*)();
    const auto levels =
        reinterpret_cast<MaxActiveLevels>(::dlsym(RTLD_DEFAULT, "omp_get_max_active_levels"));
    if (!levels)
        GTEST_SKIP() << "Tesseract is built without OpenMP";
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    ASSERT_TRUE(recognizer);
    int levelsWhileReading = -1;
    std::thread reader([&] {
        QImage page(64, 32, QImage::Format_RGB32);
        page.fill(Qt::white);
        recognizer->recognize(page, [] { return false; });
        levelsWhileReading = levels();
    });
    reader.join();
    EXPECT_EQ(levelsWhileReading, 0);
}

TEST(PdfExport, WordsKeepTheirLettersAndPicturesOnlyWithoutRecognizer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.pdf"));
    const QImage page(600, 100, QImage::Format_RGB32);
    EXPECT_EQ(exportPages({page}, path, [] { return std::make_unique<FixedWords>(); }).status,
              PdfExportResult::Written);
    EXPECT_EQ(textOf(path), QStringLiteral("Grüße (a\\b) Zażółć Καλημέρα Привет 漢字かな"));
    EXPECT_TRUE(qpdfFindsNoFault(path));

    const auto plain = exportPages({page, page, page}, path, nullptr);
    EXPECT_EQ(plain.status, PdfExportResult::Written);
    EXPECT_FALSE(plain.searchable);
    EXPECT_EQ(pageCountOf(path), 3);
    EXPECT_EQ(textOf(path), QString());
}

TEST(PdfExport, PagesAreWrittenInOrderWhicheverIsReadFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ordered.pdf"));
    std::vector<QImage> pages;
    QStringList expected;
    for (int width = 1; width <= 9; ++width) {
        pages.emplace_back(width, 12, QImage::Format_RGB32);
        pages.back().fill(Qt::white);
        expected << QStringLiteral("page%1").arg(width);
    }
    std::vector<PageSource> sources;
    for (const QImage &page : pages)
        sources.push_back({page, {}, {}});
    const auto result = exportSources(
        sources, path, [] { return std::make_unique<NumberFromWidth>(); }, false, 4);
    EXPECT_EQ(result.status, PdfExportResult::Written);
    EXPECT_EQ(pageCountOf(path), 9);
    EXPECT_EQ(textOf(path), expected.join(u' '));
    EXPECT_TRUE(qpdfFindsNoFault(path));
}

TEST(PdfExport, FailedOrCancelledExportLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old file");
    old.close();

    const QImage page(200, 100, QImage::Format_RGB32);
    // Wider than JPEG can hold: the PDF cannot be made.
    const QImage tooWide(70000, 1, QImage::Format_RGB32);
    EXPECT_EQ(exportPages({page, tooWide}, path, nullptr).status, PdfExportResult::Failed);
    EXPECT_EQ(exportPages({page}, path, nullptr, true).status, PdfExportResult::Cancelled);
    const auto unreadable = exportSources(
        {{page, {}, {}}, {{}, dir.filePath(QStringLiteral("gone.png")), {}}}, path, nullptr);
    EXPECT_EQ(unreadable.status, PdfExportResult::Failed);
    EXPECT_TRUE(unreadable.failure.startsWith(QLatin1String("Page 2 cannot be read: ")))
        << unreadable.failure.toStdString();

    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the old file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.pdf")});
}
} // namespace
