// SPDX-License-Identifier: MIT
#include "app/HeadlessCapture.h"

#include "app/RecognitionLanguagesDialog.h"
#include "document/LanguagePacks.h"
#include "document/PageCleanup.h"
#include "document/PdfExport.h"
#include "document/TesseractRecognizer.h"
#include "imaging/ImageCodecs.h"
#include "link/LinkError.h"
#include "link/StatusText.h"
#include "picture/HeadlessFrame.h"
#include "picture/ImageFileFormat.h"
#include "picture/ImageHolder.h"
#include "picture/ShownPicture.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace {
enum ExitStatus
{
    Written = 0,
    CaptureFailed = 1,
    NoCamera = 2,
    StillInitializing = 3,
    CameraBusy = 4,
};

void printLinkError(LinkError error)
{
    std::fprintf(stderr, "%s\n", qPrintable(linkErrorText(*findLinkError(int(error)))));
}

// A one-page searchable PDF of the picture as the window would show it, made a page by edits.
bool savePdf(const QImage &picture, const PageEdits &edits, const QString &path,
             const SettingsStore &settings)
{
    const QLocale locale = QLocale::system();
    const QString languages = RecognitionLanguagesDialog::storedChoice(settings);
    const PdfExportResult result = PdfExport::run(
        {{picture, {}, edits}}, path, PdfWriter::paperSize(locale),
        PdfDocumentInfo{.creator = statusText(StringId::AppTitle)},
        [&languages] { return TesseractRecognizer::create(languages); }, 1, [] { return false; },
        [](int) {});
    if (result.status != PdfExportResult::Written) {
        printLinkError(LinkError::PdfSaveFailed);
        std::fprintf(stderr, "%s\n", qPrintable(saveFailureDetails(path, result.failure)));
        return false;
    }
    const QString hint = LanguagePacks::missingPackHint(languages, locale, result.searchable);
    if (!hint.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(hint));
    else if (result.smallPrintPages > 0)
        std::fprintf(stderr, "%s\n", qPrintable(PdfExport::smallPrintHint()));
    return true;
}
} // namespace

namespace {
// Nothing adds an extension to a name on the command line, as the save dialog does.
PictureFile pictureFileOf(const QString &path)
{
    return pictureFileForName(path, {.pdfWritten = true, .bareNameIsBmp = true});
}
} // namespace

int refuseCaptureName(const QString &path)
{
    printLinkError(pictureFileOf(path) == PictureFile::Pdf ? LinkError::PdfSaveFailed
                                                           : LinkError::SaveFailed);
    const QString reason = QCoreApplication::translate("HeadlessCapture", "The name is not UTF-8");
    std::fprintf(stderr, "%s\n", qPrintable(saveFailureDetails(path, reason)));
    return CaptureFailed;
}

// The clean-up's edits for the picture with the stored colour mode, and a word when it found no
// sheet.
PageEdits cleanUp(const QImage &picture, const SettingsStore &settings)
{
    PageEdits base;
    base.colourMode = PageEdits::ColourMode(settings.read(Setting::PageColourMode));
    const PageCleanup::Suggestion found =
        PageCleanup::suggest(picture, base, PageCleanup::Turning::ByText);
    if (!found.sheetFound)
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "HeadlessCapture",
                         "No sheet was found on the picture: the page keeps the whole picture.")));
    return found.edits;
}

// The cleaned page as a picture file of file's format.
bool saveCleanPicture(const QImage &page, PictureFile file, int qualityFactor, const QString &path)
{
    const ImageCodecs::FileFormat format = file == PictureFile::Bmp ? ImageCodecs::FileFormat::Bmp
                                           : file == PictureFile::Png
                                               ? ImageCodecs::FileFormat::Png
                                               : ImageCodecs::FileFormat::Jpeg;
    const QImage picture = page.convertToFormat(page.isGrayscale() ? QImage::Format_Grayscale8
                                                                   : QImage::Format_RGB888);
    const QByteArray bytes = ImageCodecs::encode({picture, picture.depth()}, format, qualityFactor);
    QString reason;
    if (!bytes.isEmpty() && ImageCodecs::writeFileAtomically(path, bytes, &reason))
        return true;
    printLinkError(LinkError::SaveFailed);
    std::fprintf(stderr, "%s\n", qPrintable(saveFailureDetails(path, reason)));
    return false;
}

int runHeadlessCapture(PipeTransport &transport, const SettingsStore &settings, const QString &path,
                       bool cleanPage, std::chrono::milliseconds pollInterval)
{
    // Each message goes to standard error as it arises, its details on the lines after it.
    HeadlessFrame frame(transport, [](const LinkMessage &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message.text.trimmed()));
        if (!message.details.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(message.details));
    });
    ReadinessMonitor monitor(frame.link(), frame, frame);
    frame.setReadiness(&monitor);
    // The picture is held and saved without a widget; with no client area there is nothing to
    // fit it to, and no command rules to tell of changes.
    ImageHolder image;
    ShownPicture shown(
        image, frame, [] { return QSize(); }, [] {});
    shown.readSettings(settings);
    monitor.OnInitialUpdate();

    // A camera that has just been plugged in may still be initializing: wait for it as the
    // window's polling would, once a second, up to the same limit.
    int readiness = monitor.QueryReadiness();
    for (int polls = 0; readiness == 1 && polls < ReadinessMonitor::MaxInitializingPolls; ++polls) {
        QThread::msleep(static_cast<unsigned long>(pollInterval.count()));
        readiness = monitor.QueryReadiness();
    }
    if (readiness == -1) {
        // A camera that is there but cannot be opened: the reason, and what to do about it.
        const CameraRefusal refusal = frame.link().lastRefusal();
        const QString explanation = CameraLink::refusalExplanation(refusal);
        if (refusal != CameraRefusal::Busy)
            printLinkError(LinkError::TransmitFailed);
        if (!explanation.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(explanation));
        return refusal == CameraRefusal::Busy ? CameraBusy : NoCamera;
    }
    if (readiness == 1) {
        printLinkError(LinkError::InitializeTimeout);
        return StillInitializing;
    }

    // The window's capture asks once more before it starts.
    if (monitor.QueryReadiness() == 0)
        shown.capture();
    if (!shown.hasImage()) {
        // Every failure of the capture itself was reported; one that was not (the camera
        // vanished before the transfer) still must not pass for success.
        if (frame.messages().isEmpty())
            printLinkError(LinkError::CaptureFailed);
        // Another program took the camera between the question and the capture.
        return frame.link().lastRefusal() == CameraRefusal::Busy ? CameraBusy : CaptureFailed;
    }
    const PictureFile file = pictureFileOf(path);
    const PageEdits edits = cleanPage ? cleanUp(image.GetImage(), settings) : PageEdits{};
    if (file == PictureFile::Pdf)
        return savePdf(image.GetImage(), edits, path, settings) ? Written : CaptureFailed;
    if (cleanPage)
        return saveCleanPicture(PageCleanup::render(image.GetImage(), edits), file,
                                settings.read(Setting::Qfactor), path)
                   ? Written
                   : CaptureFailed;
    return shown.save(path, imagingFormatOf(file)) ? Written : CaptureFailed;
}
