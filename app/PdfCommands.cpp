// SPDX-License-Identifier: MIT
#include "app/PdfCommands.h"

#include "app/PageEditor.h"
#include "app/PagesDialog.h"
#include "app/ProgressSink.h"
#include "app/RecognitionLanguagesDialog.h"
#include "document/LanguagePacks.h"
#include "document/TesseractRecognizer.h"
#include "link/LinkError.h"
#include "link/StatusText.h"
#include "store/SettingsStore.h"
#include "view/FileChooserDialog.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// In the folder that Save and Open use too.
std::optional<QString> askPdfPath(QWidget *parent, const SettingsStore &settings)
{
    FileChooserDialog dialog(parent, PdfCommands::tr("Save as PDF"), QFileDialog::AcceptSave,
                             pdfFileFilters(), settings.lastFolder());
    return dialog.choose();
}

std::optional<PageEdits> askEdits(QWidget *parent, const QImage &picture, const PageEdits &found)
{
    PageEditor editor(picture, found, parent);
    if (editor.exec() != QDialog::Accepted)
        return std::nullopt;
    return editor.edits();
}

PdfCommands::UnsavedAnswer askUnsaved(QWidget *parent, int pageCount)
{
    const auto answer = QMessageBox::question(
        parent, statusText(StringId::AppTitle),
        PdfCommands::tr("The %n pages for the PDF are not saved. Save them?", nullptr, pageCount),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return PdfCommands::UnsavedAnswer::Save;
    return answer == QMessageBox::Discard ? PdfCommands::UnsavedAnswer::Discard
                                          : PdfCommands::UnsavedAnswer::Cancel;
}
} // namespace

PdfCommands::PdfCommands(const Surroundings &surroundings)
    : QObject(&surroundings.dialogParent)
    , m_shownPicture(surroundings.shownPicture)
    , m_status(surroundings.status)
    , m_progress(surroundings.progress)
    , m_dialogParent(surroundings.dialogParent)
    , m_settings(surroundings.settings)
    , m_journalBase(surroundings.journalBase)
    , m_pages(surroundings.journalBase)
    , m_cleaning(m_pages)
    , m_askPath([this] { return askPdfPath(&m_dialogParent, m_settings); })
    , m_askUnsaved([this] { return askUnsaved(&m_dialogParent, m_pages.count()); })
    , m_askEdits([this](const QImage &picture, const PageEdits &found) {
        return askEdits(&m_dialogParent, picture, found);
    })
    , m_askRecovery([this](int pages, const QDateTime &changed) {
        return PageRecovery::ask(&m_dialogParent, pages, changed);
    })
    , m_makeRecognizer([this] {
        // The languages and threads as chosen when the save starts, read on the job's threads.
        return [languages = RecognitionLanguagesDialog::storedChoice(m_settings),
                threads = m_threadsPerPage] {
            return TesseractRecognizer::create(languages, threads);
        };
    })
{
    connect(&m_pages, &PageDocument::pagesChanged, this, [this] {
        showPageCount();
        Q_EMIT changed();
    });
    connect(&m_cleaning, &PageCleaning::noSheetFound, this, [this] {
        m_status.showPaneMessage(
            0, tr("No sheet was found on the picture: the page keeps the whole picture."));
    });
    connect(&m_pages, &PageDocument::pageRefused, this, [this](const QString &reason) {
        m_status.showPageRefused(tr("Reason: %1").arg(reason));
    });
    connect(&m_pages, &PageDocument::journalUnavailable, this, [this](const QString &reason) {
        m_status.showWarning(
            tr("The pages are kept in memory only: unsaved pages will not survive a crash."),
            tr("Folder: %1\nReason: %2").arg(QDir::toNativeSeparators(m_journalBase), reason));
    });
    connect(&m_pages, &PageDocument::journalFailed, this, [this](const QString &reason) {
        if (std::exchange(m_journalFailureShown, true))
            return;
        m_status.showWarning(tr("The record of the pages on disk cannot be updated: after a "
                                "crash, the pages may come back as they were before."),
                             tr("Reason: %1").arg(reason));
    });
}

PdfCommands::~PdfCommands() = default;

void PdfCommands::addPage()
{
    if (busy())
        return;
    const QImage picture = m_shownPicture();
    PageEdits edits;
    edits.colourMode = PageEdits::ColourMode(m_settings.read(Setting::PageColourMode));
    const std::optional<PageId> id = m_pages.add(picture, edits);
    if (id && m_settings.read(Setting::CleanPages) != 0)
        m_cleaning.clean(*id, picture, m_settings.read(Setting::BookPages) != 0);
}

void PdfCommands::editAndAddPage()
{
    if (busy() || m_finding)
        return;
    const QImage picture = m_shownPicture();
    if (picture.isNull())
        return;
    PageEdits edits;
    edits.colourMode = PageEdits::ColourMode(m_settings.read(Setting::PageColourMode));
    // Found off the window's thread; closed meanwhile, the window takes the watcher with it and
    // nothing was added yet.
    m_finding = new QFutureWatcher<PageCleanup::Suggestion>(this);
    connect(m_finding, &QFutureWatcherBase::finished, this, [this, picture] {
        const PageCleanup::Suggestion found = m_finding->result();
        m_finding->deleteLater();
        m_finding = nullptr;
        editFound(picture, found);
    });
    m_finding->setFuture(QtConcurrent::run([picture, edits] {
        return PageCleanup::suggest(picture, edits, PageCleanup::Turning::ByText);
    }));
}

void PdfCommands::editFound(const QImage &picture, const PageCleanup::Suggestion &found)
{
    // A save started meanwhile takes the pages as they are.
    if (busy())
        return;
    if (!found.sheetFound)
        m_status.showPaneMessage(
            0, tr("No sheet was found on the picture: place its corners by hand."));
    const std::optional<PageEdits> chosen = m_askEdits(picture, found.edits);
    if (!chosen)
        return;
    // As edited by hand: the clean-up on adding would only undo the user's choice. A book's
    // spread outlined by hand is still two pages.
    if (const std::optional<PageId> id = m_pages.add(picture, *chosen))
        m_cleaning.finishEdited(*id, picture, *chosen, found.edits.corners,
                                m_settings.read(Setting::BookPages) != 0);
}

void PdfCommands::showPages()
{
    if (busy())
        return;
    PagesDialog dialog(m_pages, m_cleaning, m_settings, &m_dialogParent);
    if (dialog.exec() == QDialog::Accepted)
        m_pages.arrange(dialog.order());
}

void PdfCommands::chooseLanguages()
{
    RecognitionLanguagesDialog::ask(m_settings, &m_dialogParent);
}

void PdfCommands::savePdf()
{
    if (busy() || m_pages.isEmpty())
        return;
    const std::optional<QString> path = m_askPath();
    if (!path)
        return;
    // The pages are saved as cleaned, not as they were before the clean-up ended.
    m_cleaning.finishAll();
    m_path = *path;
    m_saving.clear();
    for (int i = 0; i < m_pages.count(); ++i)
        m_saving.push_back(m_pages.page(i).id);
    // Set before the job's threads make their recognizers.
    m_threadsPerPage = PdfExport::threadsPerPage(m_pages.count(), QThread::idealThreadCount());
    m_job = std::make_unique<PdfExportJob>(
        m_pages.sources(), *path, PdfWriter::paperSize(QLocale::system()),
        PdfDocumentInfo{.creator = statusText(StringId::AppTitle)}, m_makeRecognizer());
    m_progress.startProgress(tr("Cancel"), tr("Stop writing the PDF"),
                             [job = m_job.get()] { job->cancel(); });
    m_status.showPaneMessage(0, tr("Reading the text of the pages..."));
    const int total = m_job->pageCount();
    connect(m_job.get(), &PdfExportJob::pageDone, this,
            [this, total](int done) { m_progress.showProgress(done, total); });
    connect(m_job.get(), &PdfExportJob::finished, this, &PdfCommands::onFinished);
    m_job->start();
    Q_EMIT changed();
}

void PdfCommands::onFinished(const PdfExportResult &result)
{
    m_job.release()->deleteLater();
    m_progress.endProgress();
    m_status.showPaneMessage(StringId::Ready, statusText(StringId::Ready));
    if (result.status == PdfExportResult::Written) {
        m_settings.setLastFolder(QFileInfo(m_path).absolutePath());
        showWrittenFile(int(m_saving.size()), result);
        m_pages.removePages(m_saving);
    } else if (result.status == PdfExportResult::Failed) {
        m_status.showSaveFailed(saveFailureDetails(m_path, result.failure));
    }
    m_saving.clear();
    showPageCount();
    Q_EMIT changed();
    Q_EMIT saveFinished(result.status == PdfExportResult::Written);
}

void PdfCommands::showWrittenFile(int pages, const PdfExportResult &result)
{
    QString text = tr("%n pages saved in %1.", nullptr, pages)
                       .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath()));
    const QString hint = LanguagePacks::missingPackHint(
        RecognitionLanguagesDialog::storedChoice(m_settings), QLocale::system(), result.searchable);
    if (!hint.isEmpty())
        text += u' ' + hint;
    else if (result.smallPrintPages > 0)
        text += u' ' + PdfExport::smallPrintHint();
    m_status.showPaneMessage(0, text);
}

void PdfCommands::waitForJob()
{
    if (!busy())
        return;
    QEventLoop loop;
    connect(this, &PdfCommands::saveFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

void PdfCommands::cancelAndWait()
{
    if (!busy())
        return;
    m_job->cancel();
    waitForJob();
}

bool PdfCommands::confirmPagesMayGo()
{
    cancelAndWait();
    if (m_pages.isEmpty())
        return true;
    switch (m_askUnsaved()) {
    case UnsavedAnswer::Discard:
        m_pages.arrange({});
        return true;
    case UnsavedAnswer::Save:
        savePdf();
        waitForJob();
        return m_pages.isEmpty();
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void PdfCommands::offerLeftPages()
{
    PageRecovery::offer(m_pages, m_journalBase, m_askRecovery, m_status);
}

void PdfCommands::keepPagesForNextStart()
{
    cancelAndWait();
    m_cleaning.finishAll();
    m_pages.waitUntilJournalled();
}

void PdfCommands::showPageCount()
{
    m_status.showPageCount(m_pages.count());
}
