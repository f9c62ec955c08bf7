// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageList.h"
#include "document/PdfExport.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class CMainFrame;
class SettingsStore;
class QToolButton;

// The pages set aside for one PDF and the commands on them: add the shown picture, see and
// reorder them, save them as a searchable PDF off the user-interface thread, and ask before
// unsaved pages would be lost.
class PdfCommands : public QObject
{
    Q_OBJECT
public:
    enum class UnsavedAnswer
    {
        Save,
        Discard,
        Cancel
    };
    using PathQuestion = std::function<std::optional<QString>()>;
    using UnsavedQuestion = std::function<UnsavedAnswer()>;

    // settings: where the file dialog starts; a written file's folder is remembered there.
    PdfCommands(CMainFrame &frame, const SettingsStore &settings);
    ~PdfCommands() override;

    const PageList &pages() const { return m_pages; }
    bool busy() const { return m_job != nullptr; }

    void addPage();
    void showPages();
    // Asks for a file and starts writing it; the pages go only once the file is written.
    void savePdf();
    // True when nothing unsaved would be lost: no pages, or the user saved or discarded them.
    // A running save is cancelled first.
    bool confirmPagesMayGo();

    // Tests answer the questions; the program shows dialogs.
    void setPathQuestion(PathQuestion question) { m_askPath = std::move(question); }
    void setUnsavedQuestion(UnsavedQuestion question) { m_askUnsaved = std::move(question); }
    // Tests read words without Tesseract.
    void setRecognizerFactory(PdfExport::RecognizerFactory factory)
    {
        m_makeRecognizer = std::move(factory);
    }

Q_SIGNALS:
    // The page count or the busy state changed.
    void changed();
    // A save ended; written: the file is complete.
    void saveFinished(bool written);

private:
    void onFinished(const PdfExportResult &result);
    void waitForJob();
    void showPageCount();

    CMainFrame &m_frame;
    const SettingsStore &m_settings;
    PageList m_pages;
    // The file being written.
    QString m_path;
    std::unique_ptr<PdfExportJob> m_job;
    QPointer<QToolButton> m_cancelButton;
    PathQuestion m_askPath;
    UnsavedQuestion m_askUnsaved;
    PdfExport::RecognizerFactory m_makeRecognizer;
};
