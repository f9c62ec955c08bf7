// SPDX-License-Identifier: MIT
#include "app/PdfCommands.h"

#include "app/CommandTable.h"
#include "document/PageCleanup.h"
#include "link/LinkError.h"
#include "tests/TestSupport.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/CornerOverlap.h"
#include "view/CQuillon2View.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <array>
#include <vector>

namespace {
class PdfCommandsTest : public MainFrameFixture
{
protected:
    // A frame showing a captured picture with two pages added; no text is read, so a save is
    // quick and needs no language pack.
    PdfCommands &frameWithTwoPages()
    {
        makeFrame();
        frame->view().OnInitialUpdate();
        frame->view().OnCapture();
        PdfCommands &pdf = frame->pdf();
        pdf.setRecognizerFactory([] { return nullptr; });
        pdf.setPathQuestion([this] { return pdfPath; });
        frame->commandAction(CommandId::AddPage)->trigger();
        frame->commandAction(CommandId::AddPage)->trigger();
        return pdf;
    }

    QTemporaryDir dir;
    QString pdfPath = dir.filePath(QStringLiteral("pages.pdf"));
};

// The editor opens over the picture with the sheet found as its corners, found off the window's
// thread, and its Apply adds the page with the edits as the user left them, not cleaned again but
// for the skew, measured on the moved corners; Cancel adds nothing.
TEST_F(PdfCommandsTest, EditAndAddPageAddsThePageAsEdited)
{
    SheetSetup sheet;
    sheet.skew = 6;
    sheet.fill = 80;
    sheet.desk = 40;
    camera.setSheet(sheet);
    makeFrame();
    frame->view().OnInitialUpdate();
    frame->view().OnCapture();
    PdfCommands &pdf = frame->pdf();
    std::optional<PageEdits> offered;
    std::optional<PageEdits> answer;
    QImage edited;
    pdf.setEditQuestion([&](const QImage &picture, const PageEdits &found) {
        offered = found;
        edited = picture;
        return answer;
    });
    QAction *edit = frame->commandAction(CommandId::EditAndAddPage);
    edit->trigger();
    EXPECT_FALSE(offered) << "the sheet is found off the window's thread";
    ASSERT_TRUE(waitUntil([&] { return offered.has_value(); }));
    ASSERT_TRUE(offered->corners);
    EXPECT_GT(overlapOf(*offered->corners, camera.sheet()->corners), 0.97);
    EXPECT_EQ(pdf.pages().count(), 0);

    answer = *offered;
    (*answer->corners)[0] += QPointF(25, 10);
    answer->quarterTurns = 3;
    edit->trigger();
    ASSERT_TRUE(waitUntil([&] { return pdf.pages().count() > 0; }));
    pdf.finishCleaning();
    ASSERT_EQ(pdf.pages().count(), 1);
    answer->skew = PageCleanup::skewOf(edited, *answer);
    EXPECT_EQ(pdf.pages().page(0).edits, *answer);
}

// With the book setting, a spread whose outline the user accepted becomes its two pages.
TEST_F(PdfCommandsTest, EditAndAddPagePartsABooksSpread)
{
    SheetSetup book;
    book.pages = 2;
    // Both pages full of print.
    book.text = sheetProse().repeated(2);
    book.skew = 3;
    book.fill = 88;
    book.desk = 50;
    camera.setSheet(book);
    makeFrame();
    settings->write(Setting::BookPages, 1);
    frame->view().OnInitialUpdate();
    frame->view().OnCapture();
    PdfCommands &pdf = frame->pdf();
    pdf.setEditQuestion([](const QImage &, const PageEdits &found) { return found; });
    frame->commandAction(CommandId::EditAndAddPage)->trigger();
    ASSERT_TRUE(waitUntil([&] { return pdf.pages().count() > 0; }));
    pdf.finishCleaning();
    ASSERT_EQ(pdf.pages().count(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_GT(overlapOf(*pdf.pages().page(page).edits.corners,
                            camera.sheet()->pages[std::size_t(page)]),
                  0.97)
            << page;
        EXPECT_TRUE(pdf.pages().page(page).edits.flatten) << "a book's page, its curl flattened";
    }
}

TEST_F(PdfCommandsTest, CloseAsksWhilePagesAreUnsaved)
{
    PdfCommands &pdf = frameWithTwoPages();
    EXPECT_EQ(frame->mainStatusBar().pageCountText(), QStringLiteral("2 pages"));
    EXPECT_TRUE(frame->commandAction(CommandId::SavePdf)->isEnabled());
    frame->show();

    int questions = 0;
    PdfCommands::UnsavedAnswer answer = PdfCommands::UnsavedAnswer::Cancel;
    pdf.setUnsavedQuestion([&] {
        ++questions;
        return answer;
    });
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(pdf.pages().count(), 2);

    answer = PdfCommands::UnsavedAnswer::Discard;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(pdf.pages().isEmpty());
    EXPECT_EQ(frame->mainStatusBar().pageCountText(), QString());
    EXPECT_FALSE(QFile::exists(pdfPath));
}

TEST_F(PdfCommandsTest, SavingOnCloseWritesThePagesBeforeTheWindowGoes)
{
    PdfCommands &pdf = frameWithTwoPages();
    frame->show();
    pdf.setUnsavedQuestion([] { return PdfCommands::UnsavedAnswer::Save; });
    int furthest = 0;
    QObject::connect(&frame->mainStatusBar().progress(), &QProgressBar::valueChanged,
                     [&furthest](int value) { furthest = std::max(furthest, value); });
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(furthest, CMainStatusBar::ProgressRange);
    EXPECT_TRUE(pdf.pages().isEmpty());
    QFile file(pdfPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
    // The status bar names the file, and, for pictures only, the package that makes PDFs
    // searchable.
    EXPECT_TRUE(message().startsWith(QStringLiteral("2 pages saved in %1.").arg(pdfPath)))
        << message().toStdString();
    EXPECT_TRUE(message().contains(QLatin1String("tesseract-ocr-"))) << message().toStdString();
}

TEST_F(PdfCommandsTest, AFailedSaveOnCloseKeepsTheWindowAndThePages)
{
    PdfCommands &pdf = frameWithTwoPages();
    frame->show();
    pdfPath = dir.path(); // a folder: the file cannot be written
    pdf.setUnsavedQuestion([] { return PdfCommands::UnsavedAnswer::Save; });
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(pdf.pages().count(), 2);
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::PdfSaveFailed)});
}

// Its dialog starts where Save and Open do, not in the folder the program was started from, and
// the folder of a written file is where the next one starts.
TEST_F(PdfCommandsTest, TheDialogStartsInTheRememberedFolder)
{
    settings->setLastFolder(dir.path());
    makeFrame();
    frame->view().OnInitialUpdate();
    frame->view().OnCapture();
    frame->pdf().setRecognizerFactory([] { return nullptr; });
    frame->commandAction(CommandId::AddPage)->trigger();
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    QString startedIn;
    answerModalDialog([&](QDialog &dialog) {
        auto &files = static_cast<QFileDialog &>(dialog);
        startedIn = files.directory().absolutePath();
        files.selectFile(elsewhere + QStringLiteral("/pages"));
        dialog.accept();
    });
    QSignalSpy finished(&frame->pdf(), &PdfCommands::saveFinished);
    frame->commandAction(CommandId::SavePdf)->trigger();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(startedIn.toStdString(), dir.path().toStdString());
    EXPECT_TRUE(QFile::exists(elsewhere + QStringLiteral("/pages.pdf")));
    EXPECT_EQ(settings->lastFolder().toStdString(), elsewhere.toStdString());
}

// The pages dialog's buttons follow the chosen page: no "Move later" for the last, no "Move
// earlier" for the first, nothing but OK and Cancel once every page is removed.
TEST_F(PdfCommandsTest, ThePagesDialogsButtonsFollowTheChosenPage)
{
    PdfCommands &pdf = frameWithTwoPages();
    std::vector<std::array<bool, 3>> states; // earlier, later, remove
    answerModalDialog([&states](QDialog &dialog) {
        auto *pages = dialog.findChild<QListView *>();
        const auto button = [&dialog](const char *text) {
            for (QPushButton *candidate : dialog.findChildren<QPushButton *>()) {
                if (candidate->text() == QLatin1String(text))
                    return candidate;
            }
            return static_cast<QPushButton *>(nullptr);
        };
        QPushButton *earlier = button("Move &earlier");
        QPushButton *later = button("Move &later");
        QPushButton *remove = button("&Remove");
        ASSERT_TRUE(pages && earlier && later && remove);
        const auto note = [&] {
            states.push_back({earlier->isEnabled(), later->isEnabled(), remove->isEnabled()});
        };
        for (int row : {1, 0}) {
            pages->setCurrentIndex(pages->model()->index(row, 0));
            note();
        }
        remove->click();
        note();
        remove->click();
        note();
        dialog.reject();
    });
    pdf.showPages();
    EXPECT_EQ(states, (std::vector<std::array<bool, 3>>{{true, false, true},
                                                        {false, true, true},
                                                        {false, false, true},
                                                        {false, false, false}}));
    EXPECT_EQ(pdf.pages().count(), 2);
}

// One key per page: a user turning pages, or a foot pedal, scans a stack without the mouse.
TEST_F(PdfCommandsTest, ScanningCapturesAndAddsAPageInOneStep)
{
    makeFrame();
    frame->view().OnInitialUpdate();
    QAction *scan = frame->commandAction(CommandId::ScanPage);
    ASSERT_TRUE(scan->isEnabled());
    scan->trigger();
    scan->trigger();
    EXPECT_EQ(frame->pdf().pages().count(), 2);
    EXPECT_EQ(frame->mainStatusBar().pageCountText(), QStringLiteral("2 pages"));
}

// Reads every page as print of the size given.
class PrintOfSize : public TextRecognizer
{
public:
    explicit PrintOfSize(double xHeight)
        : m_xHeight(xHeight)
    {}
    PageReading recognize(const QImage &, const CancelCheck &, double) override
    {
        return {{{QStringLiteral("word"), QPointF(10, 20), 30, 10}}, 0, m_xHeight};
    }

private:
    double m_xHeight;
};

// The PDF is written either way; the status bar says so after the written file when its print
// was too small to read well, and says no more once the print is large enough.
TEST_F(PdfCommandsTest, SaysWhenThePrintIsTooSmallToReadWell)
{
    PdfCommands &pdf = frameWithTwoPages();
    double xHeight = 4;
    pdf.setRecognizerFactory([&xHeight] { return std::make_unique<PrintOfSize>(xHeight); });
    QSignalSpy finished(&pdf, &PdfCommands::saveFinished);
    for (const double size : {4.0, 12.0}) {
        xHeight = size;
        frame->commandAction(CommandId::AddPage)->trigger();
        frame->commandAction(CommandId::SavePdf)->trigger();
        ASSERT_TRUE(finished.wait(30000));
        EXPECT_TRUE(finished.takeFirst().constFirst().toBool());
        EXPECT_EQ(message().endsWith(u' ' + PdfExport::smallPrintHint()), size == 4.0)
            << message().toStdString();
    }
}

TEST_F(PdfCommandsTest, FailedSaveKeepsThePages)
{
    PdfCommands &pdf = frameWithTwoPages();
    pdfPath = dir.path(); // a folder: the file cannot be written
    QSignalSpy finished(&pdf, &PdfCommands::saveFinished);
    frame->commandAction(CommandId::SavePdf)->trigger();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_FALSE(finished.constFirst().constFirst().toBool());
    EXPECT_EQ(pdf.pages().count(), 2);
    // Its own message, with the file and the reason.
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::PdfSaveFailed)});
    EXPECT_EQ(presenter.shown.at(0).text.toStdString(), "Failed to save the PDF.\n\n");
    EXPECT_EQ(presenter.shown.at(0).details.toStdString(),
              QStringLiteral("File: %1\nReason: Not a regular file").arg(pdfPath).toStdString());
}
} // namespace
