// SPDX-License-Identifier: MIT
#include "document/PdfMetadata.h"

#include <QTimeZone>
#include <QUuid>

namespace {
// +hh'mm' in the information dictionary, +hh:mm in XMP.
QByteArray offsetOf(const QDateTime &time, char separator, const char *after)
{
    const int minutes = time.offsetFromUtc() / 60;
    const QByteArray hours = QByteArray::number(std::abs(minutes) / 60).rightJustified(2, '0');
    return (minutes < 0 ? "-" : "+") + hours + separator +
           QByteArray::number(std::abs(minutes) % 60).rightJustified(2, '0') + after;
}

QByteArray pdfDate(const QDateTime &time)
{
    return "(D:" + time.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
           offsetOf(time, '\'', "'") + ')';
}

QByteArray xmpDate(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() +
           offsetOf(time, ':', "");
}

// XML holds no control characters; the information dictionary leaves them out too, so that the
// two records agree.
QString withoutControls(const QString &text)
{
    QString kept;
    for (const QChar c : text)
        if (c.unicode() >= 0x20)
            kept += c;
    return kept;
}

QByteArray xmlText(const QString &text)
{
    return withoutControls(text).toHtmlEscaped().toUtf8();
}

QByteArray uuidOf(const QByteArray &id)
{
    return "uuid:" + QUuid::fromRfc4122(id).toByteArray(QUuid::WithoutBraces);
}
} // namespace

namespace PdfMetadata {
QByteArray textString(const QString &text)
{
    QByteArray out = "<FEFF";
    for (const QChar unit : withoutControls(text))
        out += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0').toUpper();
    return out + '>';
}

QByteArray infoDictionary(const PdfDocumentInfo &info)
{
    const QByteArray date = pdfDate(info.created);
    const QByteArray creator = textString(info.creator);
    return "/Title " + textString(info.title) + " /Creator " + creator + " /Producer " + creator +
           " /CreationDate " + date + " /ModDate " + date;
}

QByteArray xmpPacket(const PdfDocumentInfo &info)
{
    const QByteArray date = xmpDate(info.created);
    const QByteArray creator = xmlText(info.creator);
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "<rdf:Description rdf:about=\"\"\n"
           " xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
           " xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
           " xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"\n"
           " xmlns:xmpMM=\"http://ns.adobe.com/xap/1.0/mm/\"\n"
           " xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
           "<dc:format>application/pdf</dc:format>\n"
           "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" +
           xmlText(info.title) +
           "</rdf:li></rdf:Alt></dc:title>\n"
           "<xmp:CreatorTool>" +
           creator + "</xmp:CreatorTool>\n<pdf:Producer>" + creator +
           "</pdf:Producer>\n<xmp:CreateDate>" + date + "</xmp:CreateDate>\n<xmp:ModifyDate>" +
           date + "</xmp:ModifyDate>\n<xmp:MetadataDate>" + date +
           "</xmp:MetadataDate>\n<xmpMM:DocumentID>" + uuidOf(info.id) +
           "</xmpMM:DocumentID>\n<xmpMM:InstanceID>" + uuidOf(info.id) +
           "</xmpMM:InstanceID>\n"
           "<pdfaid:part>2</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>\n"
           "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
}
} // namespace PdfMetadata
