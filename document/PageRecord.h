// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageEdits.h"

#include <QImage>
#include <QSize>

// A page's name for as long as it exists: it survives reordering, and a recovered page keeps it.
using PageId = quint64;

// What the program holds of a page at all times; its full picture is read when needed.
struct PageRecord
{
    PageId id = 0;
    QSize pictureSize;
    QImage thumbnail;
    PageEdits edits;

    // The small picture the pages dialog shows: the picture within a square of ThumbnailSide.
    static constexpr int ThumbnailSide = 128;
    static QImage thumbnailOf(const QImage &picture);
};
