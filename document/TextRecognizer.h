// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

// One word read from a picture, in the picture's pixels: where its baseline starts, its length
// along the baseline, the height of its line (the words of one line share the line's baseline
// and height, so a PDF reader sees one line of one size), and how far its text is turned
// clockwise in the picture, in quarter turns (a page put under the camera sideways).
struct RecognizedWord
{
    QString text;
    QPointF baselineStart;
    double length = 0;
    double lineHeight = 0;
    int quarterTurns = 0;
};

// Reads the words of a picture. Tesseract does it in the program; tests give words of their own.
class TextRecognizer
{
public:
    using CancelCheck = std::function<bool()>;

    virtual ~TextRecognizer() = default;
    // The words in reading order, read in whichever orientation the text stands; nothing once
    // cancelled() has turned true.
    virtual std::vector<RecognizedWord> recognize(const QImage &picture,
                                                  const CancelCheck &cancelled) = 0;
};
