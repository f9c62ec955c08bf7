// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageEdits.h"

#include <QImage>
#include <QString>

// Where a save finds a page's picture: in memory while it is not in the journal yet, else in its
// page file. Safe to use on any thread.
struct PageSource
{
    QImage picture;
    QString path;
    // The form the page is written in.
    PageEdits::ColourMode colourMode = PageEdits::ColourMode::Colour;

    // The picture, or a null one with the reason.
    QImage load(QString *reason) const;
};
