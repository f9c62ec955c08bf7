// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageEdits.h"
#include "document/PdfMetadata.h"
#include "document/PdfTextFont.h"
#include "document/TextRecognizer.h"

#include <QByteArray>
#include <QLocale>
#include <QPointF>
#include <QSizeF>

#include <functional>
#include <vector>

// Writes a PDF page by page as the pages come, so that no more than one page is held: each page
// of the paper's size, turned to its picture's orientation, the picture fitted and centred on it
// in the form its colour mode calls for, and over it its words as invisible text at their places,
// in any script, so that a viewer can search, select and copy them. The file is an archival PDF
// (PDF/A-2b): its metadata in XMP beside the information dictionary, an sRGB output intent, the
// text's font embedded, no transparency. A viewer shows the page turned back by its text's
// quarter turns, upright.
class PdfWriter
{
public:
    // Takes the next bytes of the file; false when they could not be written.
    using Sink = std::function<bool(QByteArrayView bytes)>;

    // Where a picture lies on its page.
    struct Placement
    {
        QSizeF page;
        double scale = 1; // points per picture pixel
        QPointF origin;   // the picture's bottom-left corner on the page
        int pictureHeight = 0;
    };

    // A page made ready to be written: its picture encoded and drawn, its words to be put over
    // it in the document's font. Made on any thread, beside the writing.
    struct PageParts
    {
        Placement placement;
        // How far a viewer turns the page clockwise to show its text upright, in degrees.
        int rotate = 0;
        QByteArray imageDictionary;
        // Empty when the picture could not be encoded.
        QByteArray imageData;
        QByteArray content;
        std::vector<RecognizedWord> words;
    };

    // The locale's paper in points: US Letter where it measures in inches, A4 elsewhere.
    static QSizeF paperSize(const QLocale &locale);
    // The page of a picture in the form its colour mode calls for (PageImage), and what was read
    // from it (nothing: a page of the picture only).
    static PageParts preparePage(const QImage &picture, PageEdits::ColourMode mode,
                                 const PageReading &reading, QSizeF paper);

    explicit PdfWriter(Sink sink);
    // Each is false once the sink refused bytes; the file is of no use then.
    // The header, the document's metadata and the text layer's font.
    bool begin(const PdfDocumentInfo &info);
    bool addPage(const PageParts &page);
    // The page tree, the text's map to Unicode and the cross-reference table: the file is
    // complete.
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
    int m_info = 0;
    int m_font = 0;
    int m_toUnicode = 0;
    int m_codesToGlyphs = 0;
    QByteArray m_id;
    PdfTextFont m_textFont;
};
