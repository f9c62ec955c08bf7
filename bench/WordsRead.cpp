// SPDX-License-Identifier: MIT
#include "bench/WordsRead.h"

#include <QStringList>

QString wordsRead(TextRecognizer &recognizer, const QImage &page)
{
    QStringList words;
    for (const RecognizedWord &word : recognizer.recognize(page, [] { return false; }).words)
        words << word.text;
    return words.join(u' ');
}
