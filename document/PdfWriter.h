// SPDX-License-Identifier: MIT
#pragma once

#include "document/TextRecognizer.h"

#include <QByteArray>
#include <QLocale>
#include <QSizeF>

#include <span>
#include <vector>

// One page of a PDF: a picture and the words read from it (none: a page of the picture only),
// and how far its text stands turned clockwise on the picture, in quarter turns.
struct PdfPage
{
    QImage picture;
    std::vector<RecognizedWord> words;
    int quarterTurns = 0;
};

namespace PdfWriter {
// The locale's paper in points: US Letter where it measures in inches, A4 elsewhere.
QSizeF paperSize(const QLocale &locale);

// A whole PDF file: a page of the given paper size per picture, turned to the picture's
// orientation, the picture fitted and centred on it as a JPEG, and over it its words as invisible
// text at their places, so that a viewer can search, select and copy them. A viewer shows the
// page turned back by its text's quarter turns, upright. Empty when a picture cannot be encoded.
QByteArray write(std::span<const PdfPage> pages, QSizeF paper);
} // namespace PdfWriter
