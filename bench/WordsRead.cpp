// SPDX-License-Identifier: MIT
#include "bench/WordsRead.h"

#include <QStringList>

QString wordsRead(TextRecognizer &recognizer, const QImage &page, double enlargement)
{
    QStringList words;
    for (const RecognizedWord &word : recognizer
                                          .recognize(
                                              page, [] { return false; }, enlargement)
                                          .words)
        words << word.text;
    return words.join(u' ');
}
