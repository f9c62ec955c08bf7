// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

// A sheet of typeset text lying under the simulated camera, and how the camera sees it.
struct SheetSetup
{
    enum class Paper
    {
        A4,
        Letter,
        A5
    };

    // The page. Paragraphs are separated by empty lines; one that starts with "# " is a
    // heading. Empty: the simulator's own text.
    QString text;
    QString font = QStringLiteral("DejaVu Serif");
    double points = 10;
    int columns = 1;
    bool justified = true;
    Paper paper = Paper::A4;

    // The sides of the sheet and of the picture, as the page reads and as the picture shows.
    enum class Side
    {
        None,
        Top,
        Right,
        Bottom,
        Left,
        TopLeft,
        TopRight,
        BottomRight,
        BottomLeft
    };

    // One sheet; two for a book open at a spread, side by side with a shaded fold between
    // them, the text running on from the left page to the right; none for the bare desk.
    int pages = 1;
    // How far a spread's lines of print bow near the fold: at its top and bottom they are drawn
    // in by this percent of the page's height.
    double bend = 0;
    // How it lies: turned clockwise by quarter turns and then by skew degrees, its centre moved
    // by offset pixels from the picture's, with the camera tilted so that the far edge looks
    // keystone percent narrower than the near one; the sheet (or the spread) spans fill percent
    // of the picture where it fits tightest.
    int quarterTurns = 0;
    double skew = 0;
    QPointF offset;
    double keystone = 0;
    double fill = 94;
    // A finger holding the sheet down over the middle of this side of it (of the left page for
    // a spread's left side, of the right page for its right side), the hand beyond.
    Side finger = Side::None;
    // The desk's grey level (0 black to 255 white), the share of the lamp's light lost across
    // the picture in percent from a lamp on this side of it, the lens blur's sigma in pixels
    // and the sensor noise's sigma in grey levels. seed varies the noise.
    int desk = 140;
    int falloff = 0;
    Side lamp = Side::TopLeft;
    double blur = 0.5;
    int noise = 2;
    unsigned seed = 1;

    friend bool operator==(const SheetSetup &, const SheetSetup &) = default;
};

// The sheet as the camera sees it.
struct TypesetSheet
{
    // The scene in front of the camera, 1280 x 1024; a capture shows its left 1272 columns.
    QImage picture;
    // The sheet's corners in the picture's pixels, in the order of the page as it reads:
    // top left, top right, bottom right, bottom left; of a spread, the book's outline. All
    // zero on the bare desk.
    std::array<QPointF, 4> corners;
    // A spread's pages, left then right, their corners in the same order; empty otherwise.
    std::vector<std::array<QPointF, 4>> pages;
    // The text on the sheet, a line of print a line, paragraphs apart by an empty line (and
    // the spread's pages apart by one too); what did not fit on the page is left out.
    QString text;
};

TypesetSheet typesetSheet(const SheetSetup &setup);

// The text of the simulator's own sheet: English prose with headings, a page's worth at 8
// points.
QString sheetProse();
