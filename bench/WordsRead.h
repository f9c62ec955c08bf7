// SPDX-License-Identifier: MIT
#pragma once

#include "document/TextRecognizer.h"

#include <QImage>
#include <QString>

// The words the recognizer reads on page, enlarged so many times from the camera's scale, one
// space apart, in the order the PDF's export keeps.
QString wordsRead(TextRecognizer &recognizer, const QImage &page, double enlargement = 1);
