// SPDX-License-Identifier: MIT
#pragma once

#include "app/PageCleaning.h"
#include "app/PageRecovery.h"
#include "app/PdfStatusSink.h"
#include "document/PageDocument.h"
#include "document/PdfExport.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class ProgressSink;
class QWidget;
class SettingsStore;

// The pages set aside for one PDF and the commands on them: add the shown picture (cleaned off the
// user-interface thread when the settings say so, or as the user edits it first), see and
// reorder them, save them as a searchable PDF off the user-interface thread, offer back the pages
// of a copy that did not end normally, and ask before unsaved pages would be lost.
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
    // The edits the user makes to the picture starting from those found, the skew as found
    // (measured again as the page is made, when the corners moved); nothing: cancelled.
    using EditQuestion =
        std::function<std::optional<PageEdits>(const QImage &picture, const PageEdits &found)>;

    // What the commands work with besides their pages: the picture Add page adds, where they
    // report, the window their dialogs open over (also the commands' parent), the settings
    // (where the file dialog starts; a written file's folder is remembered there), and where the
    // pages' journal is kept (empty: pages in memory only).
    struct Surroundings
    {
        std::function<QImage()> shownPicture;
        PdfStatusSink &status;
        ProgressSink &progress;
        QWidget &dialogParent;
        const SettingsStore &settings;
        QString journalBase;
    };

    explicit PdfCommands(const Surroundings &surroundings);
    ~PdfCommands() override;

    const PageDocument &pages() const { return m_pages; }
    bool busy() const { return m_job != nullptr; }
    // Waits for the pages added still being cleaned.
    void finishCleaning() { m_cleaning.finishAll(); }

    void addPage();
    // Finds the sheet on the shown picture off the user-interface thread, then lets the user edit
    // its corners, turns and mode, and adds the page as edited.
    void editAndAddPage();
    void showPages();
    // Asks for the languages the pages' text is read in.
    void chooseLanguages();
    // Asks for a file and starts writing it; the pages go only once the file is written.
    void savePdf();
    // True when nothing unsaved would be lost: no pages, or the user saved or discarded them.
    // A running save is cancelled first.
    bool confirmPagesMayGo();
    // Asks about the pages that copies which did not end normally left in their journals.
    void offerLeftPages();
    // The session ends without a question (a logout, a shutdown, a termination signal): a
    // running save is cancelled and the pages stay in the journal for the next start to offer.
    void keepPagesForNextStart();

    // Tests answer the questions; the program shows dialogs.
    void setPathQuestion(PathQuestion question) { m_askPath = std::move(question); }
    void setUnsavedQuestion(UnsavedQuestion question) { m_askUnsaved = std::move(question); }
    void setEditQuestion(EditQuestion question) { m_askEdits = std::move(question); }
    void setRecoveryQuestion(PageRecovery::Question question)
    {
        m_askRecovery = std::move(question);
    }
    // Tests read words without Tesseract.
    void setRecognizerFactory(PdfExport::RecognizerFactory factory)
    {
        m_makeRecognizer = [factory = std::move(factory)] {
            return factory;
        };
    }

Q_SIGNALS:
    // The page count or the busy state changed.
    void changed();
    // A save ended; written: the file is complete.
    void saveFinished(bool written);

private:
    void editFound(const QImage &picture, const PageCleanup::Suggestion &found);
    void onFinished(const PdfExportResult &result);
    void cancelAndWait();
    void waitForJob();
    void showPageCount();
    void showWrittenFile(int pages, const PdfExportResult &result);

    std::function<QImage()> m_shownPicture;
    PdfStatusSink &m_status;
    ProgressSink &m_progress;
    QWidget &m_dialogParent;
    const SettingsStore &m_settings;
    QString m_journalBase;
    PageDocument m_pages;
    PageCleaning m_cleaning;
    // The sheet being found for the page editor.
    QFutureWatcher<PageCleanup::Suggestion> *m_finding = nullptr;
    // The file being written, and the pages going into it.
    QString m_path;
    std::vector<PageId> m_saving;
    std::unique_ptr<PdfExportJob> m_job;
    bool m_journalFailureShown = false;
    PathQuestion m_askPath;
    UnsavedQuestion m_askUnsaved;
    EditQuestion m_askEdits;
    PageRecovery::Question m_askRecovery;
    // Makes the factory of a save's recognizers as the save starts.
    std::function<PdfExport::RecognizerFactory()> m_makeRecognizer;
    // The threads the program's recognizer reads a page on, for the save being written.
    int m_threadsPerPage = 2;
};
