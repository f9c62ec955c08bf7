// SPDX-License-Identifier: MIT
#pragma once

#include "document/JournalFiles.h"
#include "document/JournalManifest.h"

#include <QString>

#include <vector>

// A journal that a copy of the program left behind when it did not end normally (a crash, a
// kill, a power cut, a logout), read back and locked for whoever offers it to the user.
struct LeftJournal
{
    struct Page
    {
        JournalManifest::Page file;
        QImage thumbnail;

        PageRecord record() const { return {file.id, file.pictureSize, thumbnail, file.edits}; }
    };
    // A page whose file is missing, cut short or changed; position counts from 1 in the
    // journal's order.
    struct Unreadable
    {
        int position;
        QString path;
        QString reason;
    };

    QString folder;
    FolderLock lock;
    QDateTime changed;
    PageId nextId = 1;
    // The readable pages in the document's order.
    std::vector<Page> pages;
    std::vector<Unreadable> unreadable;
};

namespace JournalRecovery {
// Where the journals live: $XDG_STATE_HOME (by default ~/.local/state), in the program's folder;
// empty when there is no home to put it in.
QString defaultBase();

// The journals under base that no running copy holds, oldest first, each locked for the caller.
// Those with no page at all hold nothing of the user's and are cleared away.
std::vector<LeftJournal> find(const QString &base);
// The user's word: the journal goes with every file in it.
void discard(LeftJournal left);
// Renames the files of the unreadable pages aside (never deleting them), so that they are not
// offered again, and gives their new paths.
std::vector<LeftJournal::Unreadable> setAsideUnreadable(const LeftJournal &left);
} // namespace JournalRecovery
