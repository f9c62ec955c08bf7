// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// Poppler's and qpdf's tools read the files: independent readers, not our own writer's idea of a
// PDF.
namespace PdfTools {
// The tool's standard output; "<tool failed>" when it did not end well.
QString run(const QString &tool, const QStringList &arguments);
// The words and their order; runs of spaces differ with the layout.
QString textOf(const QString &pdf);
int pageCountOf(const QString &pdf);
// qpdf reads the cross-reference table as written, where poppler rebuilds a broken one without
// a word; it answers 0 only when it found neither error nor warning.
bool qpdfFindsNoFault(const QString &pdf);
} // namespace PdfTools
