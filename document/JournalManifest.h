// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageRecord.h"

#include <QByteArray>
#include <QDateTime>

#include <vector>

// The journal's record of the document: the pages in order with their edits, and for each page
// file its length and checksum, so that a file changed after it was written is known. One line a
// page between a head and an end line, so that a manifest cut short or garbled still names the
// pages of its whole lines.
struct JournalManifest
{
    struct Page
    {
        PageId id = 0;
        qint64 bytes = 0;
        quint32 checksum = 0;
        QSize pictureSize;
        PageEdits edits;

        bool operator==(const Page &) const = default;
    };

    // When the document last changed.
    QDateTime changed;
    // Every page file of a greater id was written after this manifest.
    PageId nextId = 1;
    std::vector<Page> pages;

    QByteArray format() const;

    struct Reading;
    static Reading parse(const QByteArray &text);
};

struct JournalManifest::Reading
{
    JournalManifest manifest;
    // Every line read as written, through the end line: no page is missing from it.
    bool complete = false;
};
