// SPDX-License-Identifier: MIT
#include "tests/document/PdfTools.h"

#include <QProcess>

namespace PdfTools {
QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString textOf(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
}

int pageCountOf(const QString &pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QLatin1String("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

bool qpdfFindsNoFault(const QString &pdf)
{
    return !run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf})
                .startsWith(QLatin1String("<qpdf failed>"));
}
} // namespace PdfTools
