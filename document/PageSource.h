// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageEdits.h"

#include <QImage>
#include <QString>

// Where a save finds a page's picture: in memory while it is not in the journal yet, else in its
// page file; and the edits that make the page of it. Safe to use on any thread.
struct PageSource
{
    QImage picture;
    QString path;
    PageEdits edits = {};

    // The picture, or a null one with the reason.
    QImage load(QString *reason) const;
};
