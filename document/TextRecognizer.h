// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

// One word read from a picture, in the picture's pixels: where its baseline starts, its length
// along the baseline, the height of its line (the words of one line share the line's baseline
// and height, so a PDF reader sees one line of one size), and the direction of its baseline in
// degrees clockwise from the picture's rows (a page put under the camera sideways or askew).
struct RecognizedWord
{
    QString text;
    QPointF baselineStart;
    double length = 0;
    double lineHeight = 0;
    double angle = 0;
};

// What was read from one picture of a page.
struct PageReading
{
    // In reading order.
    std::vector<RecognizedWord> words;
    // How far the page's text stands turned clockwise on the picture, in quarter turns: a PDF
    // viewer turns the page back by as much to show it upright.
    int quarterTurns = 0;
    // The height of the print's small letters on the picture, in pixels; 0 when unknown.
    double xHeight = 0;
};

// Reads the words of a picture. Tesseract does it in the program; tests give words of their own.
class TextRecognizer
{
public:
    using CancelCheck = std::function<bool()>;

    virtual ~TextRecognizer() = default;
    // Read in whichever orientation the text stands; no words once cancelled() has turned true.
    // A picture enlarged from the camera's scale says by how much: its blur is as much wider.
    virtual PageReading recognize(const QImage &picture, const CancelCheck &cancelled,
                                  double enlargement = 1) = 0;
};
