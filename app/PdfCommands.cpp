// SPDX-License-Identifier: MIT
#include "app/PdfCommands.h"

#include "app/PagesDialog.h"
#include "app/ProgressSink.h"
#include "document/TesseractRecognizer.h"
#include "link/LinkError.h"
#include "link/StatusText.h"
#include "store/SettingsStore.h"
#include "view/FileChooserDialog.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>

namespace {
// In the folder that Save and Open use too.
std::optional<QString> askPdfPath(QWidget *parent, const SettingsStore &settings)
{
    FileChooserDialog dialog(parent, PdfCommands::tr("Save as PDF"), QFileDialog::AcceptSave,
                             pdfFileFilters(), settings.lastFolder());
    return dialog.choose();
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
    , m_askPath([this] { return askPdfPath(&m_dialogParent, m_settings); })
    , m_askUnsaved([this] { return askUnsaved(&m_dialogParent, m_pages.count()); })
    , m_makeRecognizer([] { return TesseractRecognizer::createFor(QLocale::system()); })
{}

PdfCommands::~PdfCommands() = default;

void PdfCommands::addPage()
{
    if (busy() || !m_pages.append(m_shownPicture()))
        return;
    showPageCount();
    Q_EMIT changed();
}

void PdfCommands::showPages()
{
    if (busy())
        return;
    PagesDialog dialog(m_pages, &m_dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_pages = dialog.pages();
    showPageCount();
    Q_EMIT changed();
}

void PdfCommands::savePdf()
{
    if (busy() || m_pages.isEmpty())
        return;
    const std::optional<QString> path = m_askPath();
    if (!path)
        return;
    m_path = *path;
    m_job = std::make_unique<PdfExportJob>(
        m_pages.pages(), *path, PdfWriter::paperSize(QLocale::system()), m_makeRecognizer);
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
    const int written = m_job->pageCount();
    m_job.release()->deleteLater();
    m_progress.endProgress();
    m_status.showPaneMessage(StringId::Ready, statusText(StringId::Ready));
    if (result.status == PdfExportResult::Written) {
        // Pages added while the file was written stay for the next one.
        m_pages.removeFirst(written);
        m_settings.setLastFolder(QFileInfo(m_path).absolutePath());
        if (!result.searchable)
            m_status.showPaneMessage(0, RecognitionLanguage::missingPackHint(QLocale::system()));
        else if (result.smallPrintPages > 0)
            m_status.showPaneMessage(0, PdfExport::smallPrintHint());
    } else if (result.status == PdfExportResult::Failed) {
        m_status.showSaveFailed(saveFailureDetails(m_path, result.failure));
    }
    showPageCount();
    Q_EMIT changed();
    Q_EMIT saveFinished(result.status == PdfExportResult::Written);
}

void PdfCommands::waitForJob()
{
    if (!busy())
        return;
    QEventLoop loop;
    connect(this, &PdfCommands::saveFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

bool PdfCommands::confirmPagesMayGo()
{
    if (busy()) {
        m_job->cancel();
        waitForJob();
    }
    if (m_pages.isEmpty())
        return true;
    switch (m_askUnsaved()) {
    case UnsavedAnswer::Discard:
        m_pages.removeFirst(m_pages.count());
        showPageCount();
        Q_EMIT changed();
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

void PdfCommands::showPageCount()
{
    m_status.showPageCount(m_pages.count());
}
