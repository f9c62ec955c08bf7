// SPDX-License-Identifier: MIT
#include "view/PrintCommand.h"

#include "link/StatusText.h"
#include "picture/BusyScope.h"
#include "view/FileDialogs.h"
#include "view/PictureOutput.h"
#include "view/ViewLogging.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrinter>

void printPicture(const QImage &picture, FileDialogs &dialogs, StatusSink &status, QWidget *window)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    if (!dialogs.askPrinter(printer, window))
        return;
    BusyScope busy(status);
    const bool printed = PictureOutput::print(printer, picture);
    busy.end();
    if (printed)
        return;
    qCWarning(lcView, "printing to %s failed",
              qPrintable(printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName()));
    QMessageBox::warning(
        window, statusText(StringId::AppTitle),
        QCoreApplication::translate("CQuillon2View", "Failed to print the image."));
}
