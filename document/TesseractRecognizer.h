// SPDX-License-Identifier: MIT
#pragma once

#include "document/TextRecognizer.h"

#include <QLocale>

#include <memory>

namespace tesseract {
class TessBaseAPI;
}

// Text recognition by Tesseract with one installed language pack.
class TesseractRecognizer : public TextRecognizer
{
public:
    // Nothing when the pack of language (Tesseract's name, e.g. "deu") is not installed.
    static std::unique_ptr<TesseractRecognizer> create(const QString &language);
    // The pack of the locale's language, else the English one; nothing when neither is there.
    static std::unique_ptr<TesseractRecognizer> createFor(const QLocale &locale);
    ~TesseractRecognizer() override;

    std::vector<RecognizedWord> recognize(const QImage &picture,
                                          const CancelCheck &cancelled) override;

private:
    struct Reading
    {
        std::vector<RecognizedWord> words;
        qsizetype confidentLetters = 0;
        bool upright = false;
    };

    explicit TesseractRecognizer(std::unique_ptr<tesseract::TessBaseAPI> api);

    // The words of the picture turned clockwise by quarter turns, mapped back to the picture.
    Reading read(const QImage &picture, int turns, const CancelCheck &cancelled);

    std::unique_ptr<tesseract::TessBaseAPI> m_api;
};

namespace RecognitionLanguage {
// Tesseract's name for the locale's language (ISO 639-2/T, e.g. "deu"); "eng" when it has none.
QString forLocale(const QLocale &locale);
// The one-line hint shown when no pack could be loaded: which Debian package to install.
QString missingPackHint(const QLocale &locale);
} // namespace RecognitionLanguage
