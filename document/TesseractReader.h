// SPDX-License-Identifier: MIT
#pragma once

#include "document/TextRecognizer.h"

#include <QImage>
#include <QRect>

#include <memory>
#include <vector>

namespace tesseract {
class TessBaseAPI;
}

// One Tesseract instance reading grey pictures with its page layout analysis. Instances are
// independent: several read on threads of their own at once.
class TesseractReader
{
public:
    // A word as read, in the pixels of the picture read; its angle is the clockwise turn of its
    // baseline there (a block set sideways on an upright page).
    struct Reading
    {
        std::vector<RecognizedWord> words;
        // Each word's box in the picture read, in the words' order.
        std::vector<QRect> boxes;
        // Letters of words read with confidence: of two readings of the same print, the one
        // with more of them has it the right way up.
        qsizetype confidentLetters = 0;
    };

    // Nothing when the language's pack (Tesseract's name, "osd" for orientation) is missing.
    static std::unique_ptr<TesseractReader> create(const char *language);
    ~TesseractReader();

    // The blocks of text of the picture in reading order.
    std::vector<QRect> textBlocks(const QImage &grey, int resolution);
    // The words of the picture; those of part only, when one is given, placed in the picture.
    Reading read(const QImage &grey, int resolution, const TextRecognizer::CancelCheck &cancelled,
                 const QRect &part = {});
    // The words of part of the picture read as one block of lines, without a layout of its own.
    Reading readAsOneBlock(const QImage &grey, int resolution,
                           const TextRecognizer::CancelCheck &cancelled, const QRect &part);
    // Tesseract's orientation scores for the picture as it is and upside down; false when it
    // found too little to judge.
    bool detectOrientation(const QImage &grey, int resolution, double *upright, double *upsideDown);

private:
    explicit TesseractReader(std::unique_ptr<tesseract::TessBaseAPI> api);
    void setImage(const QImage &grey, int resolution);

    std::unique_ptr<tesseract::TessBaseAPI> m_api;
};
