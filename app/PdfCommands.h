// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageList.h"
#include "document/PdfExport.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class ProgressSink;
class QWidget;
class SettingsStore;

// Where the PDF commands report besides their dialogs: the page count, their texts in the status
// bar's message pane, and a save that failed.
class PdfStatusSink
{
public:
    virtual ~PdfStatusSink() = default;
    virtual void showPageCount(int pages) = 0;
    // A text in the message pane with its string id (0: a text of the commands' own).
    virtual void showPaneMessage(int stringId, const QString &text) = 0;
    // The numbered message of a failed save, with its details (the file and the reason).
    virtual void showSaveFailed(const QString &details) = 0;
};

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

    // What the commands work with besides their pages: the picture Add page adds, where they
    // report, the window their dialogs open over (also the commands' parent), and the settings
    // (where the file dialog starts; a written file's folder is remembered there).
    struct Surroundings
    {
        std::function<QImage()> shownPicture;
        PdfStatusSink &status;
        ProgressSink &progress;
        QWidget &dialogParent;
        const SettingsStore &settings;
    };

    explicit PdfCommands(const Surroundings &surroundings);
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

    std::function<QImage()> m_shownPicture;
    PdfStatusSink &m_status;
    ProgressSink &m_progress;
    QWidget &m_dialogParent;
    const SettingsStore &m_settings;
    PageList m_pages;
    // The file being written.
    QString m_path;
    std::unique_ptr<PdfExportJob> m_job;
    PathQuestion m_askPath;
    UnsavedQuestion m_askUnsaved;
    PdfExport::RecognizerFactory m_makeRecognizer;
};
