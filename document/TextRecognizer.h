// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

// One word read from a picture, in the picture's pixels: its text, its box (the word's left and
// width, its line's top and height) and its line's baseline, which keep the words of one line
// on one line of one size in the PDF.
struct RecognizedWord
{
    QString text;
    QRect box;
    int baseline = 0;
};

// Reads the words of a picture. Tesseract does it in the program; tests give words of their own.
class TextRecognizer
{
public:
    using CancelCheck = std::function<bool()>;

    virtual ~TextRecognizer() = default;
    // The words in reading order; nothing once cancelled() has turned true.
    virtual std::vector<RecognizedWord> recognize(const QImage &picture,
                                                  const CancelCheck &cancelled) = 0;
};
