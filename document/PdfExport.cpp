// SPDX-License-Identifier: MIT
#include "document/PdfExport.h"

#include "document/ReadingScale.h"
#include "imaging/ImageCodecs.h"

#include <QCoreApplication>
#include <QThread>

namespace PdfExport {
PdfExportResult run(const std::vector<QImage> &pages, const QString &path, QSizeF paper,
                    const RecognizerFactory &makeRecognizer,
                    const TextRecognizer::CancelCheck &cancelled,
                    const std::function<void(int)> &pageDone)
{
    const std::unique_ptr<TextRecognizer> recognizer = makeRecognizer ? makeRecognizer() : nullptr;
    PdfExportResult result;
    result.searchable = recognizer != nullptr;
    std::vector<PdfPage> pdfPages;
    for (const QImage &picture : pages) {
        if (cancelled()) {
            result.status = PdfExportResult::Cancelled;
            return result;
        }
        PageReading reading =
            recognizer ? recognizer->recognize(picture, cancelled) : PageReading{};
        result.smallPrintPages += ReadingScale::tooSmallToRead(reading.xHeight);
        pdfPages.push_back({picture, std::move(reading.words), reading.quarterTurns});
        pageDone(int(pdfPages.size()));
    }
    if (cancelled()) {
        result.status = PdfExportResult::Cancelled;
        return result;
    }
    const QByteArray pdf = PdfWriter::write(pdfPages, paper);
    if (pdf.isEmpty())
        result.failure = QCoreApplication::translate("PdfExport", "A page could not be encoded");
    else if (ImageCodecs::writeFileAtomically(path, pdf, &result.failure))
        result.status = PdfExportResult::Written;
    return result;
}

QString smallPrintHint()
{
    return QCoreApplication::translate("PdfExport",
                                       "The print is too small to read well: zoom the camera in "
                                       "on the page for a better text layer.");
}
} // namespace PdfExport

PdfExportJob::PdfExportJob(std::vector<QImage> pages, QString path, QSizeF paper,
                           PdfExport::RecognizerFactory makeRecognizer, QObject *parent)
    : QObject(parent)
    , m_pages(std::move(pages))
    , m_path(std::move(path))
    , m_paper(paper)
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
            m_pages, m_path, m_paper, m_makeRecognizer, [this] { return m_cancelled.load(); },
            [this](int done) {
                QMetaObject::invokeMethod(this, [this, done] { Q_EMIT pageDone(done); });
            });
        QMetaObject::invokeMethod(this, [this, result] { Q_EMIT finished(result); });
    });
    m_thread->start();
}
