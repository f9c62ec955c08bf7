// SPDX-License-Identifier: MIT
#include "document/JournalManifest.h"

#include <QStringList>

#include <optional>

namespace {
constexpr char Head[] = "quillon-pages 1";

QString formatPage(const JournalManifest::Page &page)
{
    QString line = QStringLiteral("page %1 bytes=%2 crc=%3 size=%4x%5")
                       .arg(page.id)
                       .arg(page.bytes)
                       .arg(page.checksum, 8, 16, QLatin1Char('0'))
                       .arg(page.pictureSize.width())
                       .arg(page.pictureSize.height());
    const QString edits = PageEditsText::format(page.edits);
    return edits.isEmpty() ? line : line + u' ' + edits;
}

// The value of key=value in fields, taken out of them.
QString takeField(QStringList &fields, QLatin1String key)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].startsWith(key) && fields[i].mid(key.size()).startsWith(u'=')) {
            const QString value = fields[i].mid(key.size() + 1);
            fields.removeAt(i);
            return value;
        }
    }
    return {};
}

std::optional<JournalManifest::Page> parsePage(QStringList fields)
{
    JournalManifest::Page page;
    bool idOk = false;
    bool bytesOk = false;
    bool crcOk = false;
    page.id = fields.takeFirst().toULongLong(&idOk);
    page.bytes = takeField(fields, QLatin1String("bytes")).toLongLong(&bytesOk);
    page.checksum = takeField(fields, QLatin1String("crc")).toUInt(&crcOk, 16);
    const QStringList size = takeField(fields, QLatin1String("size")).split(u'x');
    bool widthOk = false;
    bool heightOk = false;
    if (size.size() == 2)
        page.pictureSize = QSize(size[0].toInt(&widthOk), size[1].toInt(&heightOk));
    const std::optional<PageEdits> edits = PageEditsText::parse(fields);
    if (!idOk || page.id == 0 || !bytesOk || page.bytes <= 0 || !crcOk || !widthOk || !heightOk ||
        page.pictureSize.isEmpty() || !edits)
        return std::nullopt;
    page.edits = *edits;
    return page;
}
} // namespace

QByteArray JournalManifest::format() const
{
    QStringList lines{QLatin1String(Head),
                      QStringLiteral("changed ") + changed.toUTC().toString(Qt::ISODateWithMs),
                      QStringLiteral("next %1").arg(nextId)};
    for (const Page &page : pages)
        lines << formatPage(page);
    lines << QStringLiteral("end %1").arg(pages.size());
    return (lines.join(u'\n') + u'\n').toUtf8();
}

JournalManifest::Reading JournalManifest::parse(const QByteArray &text)
{
    Reading reading;
    JournalManifest &manifest = reading.manifest;
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    bool whole = !lines.isEmpty() && lines.first() == QLatin1String(Head);
    bool ended = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList fields = lines[i].split(u' ', Qt::SkipEmptyParts);
        if (fields.isEmpty()) {
            whole = whole && i == lines.size() - 1 && ended; // only the final line feed
            continue;
        }
        const QString keyword = fields.takeFirst();
        bool ok = fields.size() == 1;
        if (ended) {
            ok = false;
        } else if (keyword == QLatin1String("changed") && ok) {
            manifest.changed = QDateTime::fromString(fields.first(), Qt::ISODateWithMs);
            ok = manifest.changed.isValid();
        } else if (keyword == QLatin1String("next") && ok) {
            manifest.nextId = fields.first().toULongLong(&ok);
        } else if (keyword == QLatin1String("page") && !fields.isEmpty()) {
            const std::optional<Page> page = parsePage(fields);
            ok = page.has_value();
            if (ok)
                manifest.pages.push_back(*page);
        } else if (keyword == QLatin1String("end") && ok) {
            ended = fields.first().toLongLong(&ok) == qint64(manifest.pages.size()) && ok;
            ok = ended;
        } else {
            ok = false;
        }
        whole = whole && ok;
    }
    reading.complete = whole && ended;
    return reading;
}
