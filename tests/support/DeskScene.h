// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/CornerOverlap.h"

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

#include <array>

// A printed sheet photographed on a desk, with its true corners: what the clean-up is measured
// on. The page is typeset at a size of its own and laid into the picture by a perspective.
struct DeskSetup
{
    // The page's long side over its short one (A4: 1.4142, US Letter: 1.2941); portrait.
    double proportion = 1.41421356;
    // The text, in lines of print; empty lines part paragraphs.
    QString text;
    QString font = QStringLiteral("DejaVu Serif");
    // The print's size as if the page were A4 (210 mm wide).
    double points = 10;
    // The sheet's height as a share of the picture's, turned clockwise by angle degrees about
    // the picture's centre shifted by offset pixels, the far (top) edge keystone percent
    // narrower than the near one.
    double fill = 0.85;
    double angle = 0;
    QPointF offset;
    double keystone = 0;
    // The desk's grey, the share of the light lost from the left edge to the right in percent,
    // and a finger over the middle of the sheet's bottom edge.
    int desk = 60;
    int falloff = 0;
    bool finger = false;
    // No sheet at all: the desk only.
    bool sheet = true;
    QSize pictureSize{1272, 1024};
};

struct DeskScene
{
    QImage picture;
    // Top left, top right, bottom right, bottom left of the page as it reads.
    std::array<QPointF, 4> corners;
};

DeskScene deskScene(const DeskSetup &setup);
