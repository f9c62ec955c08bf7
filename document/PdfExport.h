// SPDX-License-Identifier: MIT
#pragma once

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
    // False when no recognizer could be made: the PDF holds pictures only.
    bool searchable = false;
    // Why a failed export failed, in the user's language.
    QString failure;
    // Pages whose print was too small to read well (ReadingScale::tooSmallToRead).
    int smallPrintPages = 0;
};

namespace PdfExport {
// Makes the recognizer on the thread that uses it; nullptr: no language pack, pictures only.
using RecognizerFactory = std::function<std::unique_ptr<TextRecognizer>()>;

// Reads every page, then replaces path with the PDF atomically: a failed or cancelled export
// leaves whatever was there before. pageDone(n) follows the n-th page read.
PdfExportResult run(const std::vector<QImage> &pages, const QString &path, QSizeF paper,
                    const RecognizerFactory &makeRecognizer,
                    const TextRecognizer::CancelCheck &cancelled,
                    const std::function<void(int)> &pageDone);

// The one-line hint shown when the print of some pages was too small to read well.
QString smallPrintHint();
} // namespace PdfExport

// PdfExport::run on a thread of its own, so the window stays responsive while text is read.
// Progress and the result arrive as signals on the thread that made the job.
class PdfExportJob : public QObject
{
    Q_OBJECT
public:
    PdfExportJob(std::vector<QImage> pages, QString path, QSizeF paper,
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
    std::vector<QImage> m_pages;
    QString m_path;
    QSizeF m_paper;
    PdfExport::RecognizerFactory m_makeRecognizer;
    std::atomic_bool m_cancelled{false};
    QThread *m_thread = nullptr;
};
