// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

class QPrinter;

// The shown picture handed to other programs: through the clipboard and on paper.
namespace PictureOutput {
// Other programs are offered it as PNG and as the platform's own image type.
void copyToClipboard(const QImage &picture);

// The largest rectangle of the picture's proportions inside area, centred in it; empty for a
// picture without size.
QRect fittedRect(QSize picture, const QRect &area);

// One page: the picture fitted to the printable area. False when there is no picture or the
// printer cannot be started (a PDF file that cannot be written, say).
bool print(QPrinter &printer, const QImage &picture);
} // namespace PictureOutput
