// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <array>

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

    // How it lies: turned clockwise by quarter turns and then by skew degrees, with the camera
    // tilted so that the far edge looks keystone percent narrower than the near one; the sheet
    // spans fill percent of the picture where it fits tightest.
    int quarterTurns = 0;
    double skew = 0;
    double keystone = 0;
    double fill = 94;
    // The desk's grey level (0 black to 255 white), the share of the lamp's light lost across
    // the picture in percent, the lens blur's sigma in pixels and the sensor noise's sigma in
    // grey levels. seed varies the noise.
    int desk = 140;
    int falloff = 0;
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
    // top left, top right, bottom right, bottom left.
    std::array<QPointF, 4> corners;
    // The text on the sheet, a line of print a line, paragraphs apart by an empty line; what
    // did not fit on the page is left out.
    QString text;
};

TypesetSheet typesetSheet(const SheetSetup &setup);

// The text of the simulator's own sheet: English prose with headings, a page's worth at 8
// points.
QString sheetProse();
