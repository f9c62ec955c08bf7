// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageOrientation.h"
#include "document/TesseractReader.h"
#include "document/TextRecognizer.h"

#include <QLocale>

#include <memory>
#include <optional>
#include <vector>

class ReadingPicture;

// Text recognition by Tesseract with one installed language pack. The page is read as
// ReadingPicture prepares it; which way up its level lines stand is told by its letters'
// ascenders, else by Tesseract's orientation detection (Debian's tesseract-ocr-osd), else by a
// sample of the page read both ways. The page's blocks of text are shared between two readers on
// threads of their own.
class TesseractRecognizer : public TextRecognizer
{
public:
    // Nothing when a pack of languages (Tesseract's names joined by "+", e.g. "deu+eng") is not
    // installed. threads: how many a page is read on, 1 or 2 (where pages are read one per core
    // at once, a second one per page only makes them wait for each other).
    static std::unique_ptr<TesseractRecognizer> create(const QString &language, int threads = 2);
    ~TesseractRecognizer() override;

    PageReading recognize(const QImage &picture, const CancelCheck &cancelled,
                          double enlargement = 1) override;

private:
    TesseractRecognizer(std::vector<std::unique_ptr<TesseractReader>> readers,
                        std::unique_ptr<TesseractReader> orientation);

    std::optional<PageOrientation::Detection> detectOrientation(const ReadingPicture &page);
    // Which way up the page reads better, from its sample band read both ways.
    bool readsBetterUpsideDown(const ReadingPicture &page, const CancelCheck &cancelled);
    // The words of the page read the way up asked, in the image's pixels.
    TesseractReader::Reading read(const ReadingPicture &page, bool upsideDown,
                                  const CancelCheck &cancelled);
    // The words of the blocks that the page's layout finds, its small letters xHeight high.
    TesseractReader::Reading readLayout(const QImage &image, int resolution, double xHeight,
                                        const CancelCheck &cancelled);
    // Adds the words of print that the layout left out, each area read as a block of its own,
    // in reading order.
    void readLeftOut(TesseractReader::Reading &reading, const QImage &image, int resolution,
                     double xHeight, const CancelCheck &cancelled);

    // One or two; the first also finds the page's layout.
    std::vector<std::unique_ptr<TesseractReader>> m_readers;
    // Null without the orientation pack.
    std::unique_ptr<TesseractReader> m_orientation;
};

namespace RecognitionLanguage {
// Tesseract's name for the locale's language (ISO 639-2/T, e.g. "deu"); "eng" when it has none.
QString forLocale(const QLocale &locale);
} // namespace RecognitionLanguage
