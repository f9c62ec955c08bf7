// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageSource.h"
#include "document/PdfWriter.h"
#include "document/TextRecognizer.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

struct PdfExportResult
{
    enum Status
    {
        Written,
        Cancelled,
        Failed
    };
    Status status = Failed;
    // False when a recognizer could not be made: the PDF holds pictures only.
    bool searchable = false;
    // Why a failed export failed, in the user's language.
    QString failure;
    // Pages whose print was too small to read well (ReadingScale::tooSmallToRead).
    int smallPrintPages = 0;
};

namespace PdfExport {
// Makes a recognizer on the thread that uses it; nullptr: no language pack, pictures only.
using RecognizerFactory = std::function<std::unique_ptr<TextRecognizer>()>;

// Reads, recognizes and writes the pages into the file at path, one by one: the text of as many
// pages at once as there are threads (a recognizer each), the pages written in order as they
// are ready, so that only a few pages are held at a time. The file replaces path only once it is
// complete: a failed or cancelled export leaves whatever was there before. pageDone(n) follows
// the n-th page written.
// The info's title is the file's name unless it has one, its date now unless it has one.
PdfExportResult run(const std::vector<PageSource> &pages, const QString &path, QSizeF paper,
                    const PdfDocumentInfo &info, const RecognizerFactory &makeRecognizer,
                    int threads, const TextRecognizer::CancelCheck &cancelled,
                    const std::function<void(int)> &pageDone);

// The threads left to read each page when pages are read one per thread at once: a second one
// only for a page with a core to spare.
int threadsPerPage(int pages, int threads);

// The one-line hint shown when the print of some pages was too small to read well.
QString smallPrintHint();
} // namespace PdfExport

// PdfExport::run on a thread of its own with a recognizer for each of the machine's cores, so the
// window stays responsive while text is read. Progress and the result arrive as signals on the
// thread that made the job.
class PdfExportJob : public QObject
{
    Q_OBJECT
public:
    PdfExportJob(std::vector<PageSource> pages, QString path, QSizeF paper, PdfDocumentInfo info,
                 PdfExport::RecognizerFactory makeRecognizer, QObject *parent = nullptr);
    // Cancels a running export and waits for its thread.
    ~PdfExportJob() override;

    void start();
    void cancel() { m_cancelled = true; }
    int pageCount() const { return int(m_pages.size()); }

Q_SIGNALS:
    void pageDone(int pagesDone);
    void finished(PdfExportResult result);

private:
    std::vector<PageSource> m_pages;
    QString m_path;
    QSizeF m_paper;
    PdfDocumentInfo m_info;
    PdfExport::RecognizerFactory m_makeRecognizer;
    std::atomic_bool m_cancelled{false};
    QThread *m_thread = nullptr;
};
