// SPDX-License-Identifier: MIT
#pragma once

#include "sim/TypesetSheet.h"

#include <QString>

#include <string>
#include <vector>

// Camera pictures of typeset pages, drawn by the simulator, whose true text is known: English and
// German prose of real words in several fonts, 8 to 12 points, one and two columns, headings, A4
// and Letter, with the lens blur and sensor noise of a camera, in kinds of page as a user puts
// them under the camera. The tuning part and the held-out part share no text and no font, so
// that a figure on the held-out part shows what tuning on the other did not see.
namespace RecognitionCorpus {
enum class Part
{
    Tuning,
    HeldOut
};

struct Page
{
    SheetSetup setup;
    // Tesseract's name of the page's language: "eng" or "deu".
    QString language;
    // The same page, of the same size on the picture, laid square and upright under even light
    // on a mid-grey desk: what a degraded kind's error is measured against. The size is kept:
    // a sheet on a desk in view is smaller on the picture, and smaller print is read worse
    // whatever lies around it.
    SheetSetup clean;
};

// The kinds of page: clean, clean at 10 points, skewed by 1, 3 and 7 degrees, keystoned, lit
// unevenly, on a dark desk, and turned by 90, 180 and 270 degrees.
const std::vector<std::string> &kinds();

// count pages of the kind, the same on every run; half of them English, half German.
std::vector<Page> pages(const std::string &kind, Part part, int count);
} // namespace RecognitionCorpus
