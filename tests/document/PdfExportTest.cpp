// SPDX-License-Identifier: MIT
#include "document/PdfExport.h"

#include "document/TesseractRecognizer.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/SimulatorPicture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// Poppler's tools read the files: an independent reader, not our own writer's idea of a PDF.
QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString textOf(const QString &pdf)
{
    // Runs of spaces differ with the layout; words and their order matter.
    return runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
}

int pageCountOf(const QString &pdf)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QLatin1String("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

// qpdf reads the cross-reference table as written, where poppler rebuilds a broken one without
// a word; it answers 0 only when it found neither error nor warning.
bool qpdfFindsNoFault(const QString &pdf)
{
    return !runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf})
                .startsWith(QLatin1String("<qpdf failed>"));
}

class FixedWords : public TextRecognizer
{
public:
    PageReading recognize(const QImage &, const CancelCheck &) override
    {
        return {{{QStringLiteral("Grüße"), QPointF(10, 22), 60, 12},
                 {QStringLiteral("(a\\b)"), QPointF(80, 22), 40, 12}}};
    }
};

PdfExportResult exportPages(const std::vector<QImage> &pages, const QString &path,
                            PdfExport::RecognizerFactory factory, bool cancel = false)
{
    return PdfExport::run(
        pages, path, PdfWriter::paperSize(QLocale::c()), factory, [cancel] { return cancel; },
        [](int) {});
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
        const QString text = runTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-raw"), QStringLiteral("-f"), number,
                                      QStringLiteral("-l"), number, path, QStringLiteral("-")});
        const QString &truth = pages[page - 1].sheet.text;
        EXPECT_LT(characterErrorRate(truth, text), 10) << text.toStdString();
    }
    const QString info =
        runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("2"), path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +1 rot: +0\\b"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +2 rot: +270\\b"))))
        << info.toStdString();
}

TEST(PdfExport, WordsKeepTheirLettersAndPicturesOnlyWithoutRecognizer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("words.pdf"));
    const QImage page(200, 100, QImage::Format_RGB32);
    EXPECT_EQ(exportPages({page}, path, [] { return std::make_unique<FixedWords>(); }).status,
              PdfExportResult::Written);
    EXPECT_EQ(textOf(path), QStringLiteral("Grüße (a\\b)"));
    EXPECT_TRUE(qpdfFindsNoFault(path));

    const auto plain = exportPages({page, page, page}, path, nullptr);
    EXPECT_EQ(plain.status, PdfExportResult::Written);
    EXPECT_FALSE(plain.searchable);
    EXPECT_EQ(pageCountOf(path), 3);
    EXPECT_EQ(textOf(path), QString());
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

    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the old file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.pdf")});
}
} // namespace
