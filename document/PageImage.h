// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageEdits.h"

#include <QByteArray>
#include <QImage>

// A page's picture encoded once, in the form its colour mode calls for: colour as JPEG, grey as
// an 8-bit grey JPEG, black and white as a bilevel picture in CCITT Group 4 at twice the
// picture's resolution (text edges stay smooth, and the page weighs a few tens of kilobytes).
// A page left in colour whose picture holds no colour is kept as grey: it looks the same at a
// third of the size.
struct PageImage
{
    enum class Form
    {
        Colour,
        Grey,
        Bilevel
    };

    Form form = Form::Colour;
    QSize size;
    // The image's PDF dictionary entries: size, colour space, depth, filter.
    QByteArray dictionary;
    // Empty when the picture could not be encoded.
    QByteArray data;

    static Form formFor(const QImage &picture, PageEdits::ColourMode mode);
    static PageImage encode(const QImage &picture, PageEdits::ColourMode mode);
};
