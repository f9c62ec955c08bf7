// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>

#include <functional>

class PageDocument;
class PdfStatusSink;
class QWidget;

// Offers back, at start, the pages that a copy of the program which did not end normally left in
// its journal.
namespace PageRecovery {
enum class Answer
{
    Recover,
    Discard,
    // Asked again at the next start.
    Later
};
using Question = std::function<Answer(int pages, const QDateTime &changed)>;

// "N pages from <date and time> were not saved. Recover them?" in a box over parent.
Answer ask(QWidget *parent, int pages, const QDateTime &changed);
// Asks about each journal left under base, oldest first. Recovered pages join the document; the
// pages that cannot be read are named and set aside, never deleted; only Discard deletes.
void offer(PageDocument &document, const QString &base, const Question &question,
           PdfStatusSink &status);
} // namespace PageRecovery
