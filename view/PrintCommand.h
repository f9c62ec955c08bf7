// SPDX-License-Identifier: MIT
#pragma once

class FileDialogs;
class QImage;
class QWidget;
class StatusSink;

// Print: the print dialog, set up in the picture's orientation, then the picture on one page with
// "Busy !" meanwhile. A failure is told in a message box once the idle text is back.
void printPicture(const QImage &picture, FileDialogs &dialogs, StatusSink &status, QWidget *window);
