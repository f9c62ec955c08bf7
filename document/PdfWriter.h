// SPDX-License-Identifier: MIT
#pragma once

#include "document/TextRecognizer.h"

#include <QByteArray>
#include <QLocale>
#include <QSizeF>

#include <functional>
#include <vector>

// Writes a PDF page by page as the pages come, so that no more than one page is held: each page
// of the paper's size, turned to its picture's orientation, the picture fitted and centred on it
// as a JPEG, and over it its words as invisible text at their places, so that a viewer can
// search, select and copy them. A viewer shows the page turned back by its text's quarter turns,
// upright.
class PdfWriter
{
public:
    // Takes the next bytes of the file; false when they could not be written.
    using Sink = std::function<bool(QByteArrayView bytes)>;

    // A page made ready to be written: its picture encoded and what is drawn. Made on any
    // thread, beside the writing.
    struct PageParts
    {
        QSizeF mediaBox;
        // How far a viewer turns the page clockwise to show its text upright, in degrees.
        int rotate = 0;
        QByteArray imageDictionary;
        // Empty when the picture could not be encoded.
        QByteArray imageData;
        QByteArray content;
    };

    // The locale's paper in points: US Letter where it measures in inches, A4 elsewhere.
    static QSizeF paperSize(const QLocale &locale);
    // The page of a picture and what was read from it (nothing: a page of the picture only).
    static PageParts preparePage(const QImage &picture, const PageReading &reading, QSizeF paper);

    explicit PdfWriter(Sink sink);
    // Each is false once the sink refused bytes; the file is of no use then.
    bool begin();
    bool addPage(const PageParts &page);
    // The page tree and the cross-reference table: the file is complete.
    bool finish();

private:
    int reserve();
    bool put(QByteArrayView bytes);
    bool putObject(int id, const QByteArray &dictionary, QByteArrayView stream = {},
                   bool hasStream = false);

    Sink m_sink;
    qint64 m_written = 0;
    // Where each object starts, by its number from 1; objects are numbered as reserved.
    std::vector<qint64> m_offsets;
    std::vector<int> m_pages;
    int m_tree = 0;
    int m_font = 0;
};
