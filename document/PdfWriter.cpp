// SPDX-License-Identifier: MIT
#include "document/PdfWriter.h"

#include "document/PageImage.h"
#include "document/PdfMetadata.h"
#include "document/PdfTextFont.h"
#include "document/SrgbProfile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

QByteArray ref(int id)
{
    return QByteArray::number(id) + " 0 R";
}

// zlib's stream, without the length qCompress puts before it.
QByteArray deflated(const QByteArray &data)
{
    return qCompress(data).mid(4);
}

// A direction's cosine or sine: finer, so that a line of words keeps its slope; no "-0".
QByteArray matrixNumber(double value)
{
    const double rounded = std::round(value * 1e5) / 1e5;
    return QByteArray::number(rounded == 0 ? 0.0 : rounded, 'f', 5);
}

const QByteArray FontName = "HiddenText";

using Placement = PdfWriter::Placement;

Placement place(QSize picture, QSizeF paper)
{
    const bool landscape = picture.width() > picture.height();
    QSizeF page = paper;
    if (landscape != (paper.width() > paper.height()))
        page.transpose();
    const double scale = std::min(page.width() / picture.width(), page.height() / picture.height());
    const QPointF origin((page.width() - picture.width() * scale) / 2,
                         (page.height() - picture.height() * scale) / 2);
    return {page, scale, origin, picture.height()};
}

QByteArray textLayer(const std::vector<RecognizedWord> &words, const Placement &at,
                     PdfTextFont &font)
{
    const int height = at.pictureHeight;
    QByteArray text = "BT\n3 Tr\n"; // render mode 3: neither filled nor stroked, yet searchable
    for (const RecognizedWord &word : words) {
        const PdfTextFont::Encoded encoded = font.encode(word.text);
        const double size = std::max(1.0, word.lineHeight * at.scale);
        const double natural = encoded.characters * PdfTextFont::AdvanceUnits / 1000.0 * size;
        const double stretch = 100.0 * word.length * at.scale / std::max(natural, 0.01);
        const double x = at.origin.x() + word.baselineStart.x() * at.scale;
        const double y = at.origin.y() + (height - word.baselineStart.y()) * at.scale;
        // The baseline runs at the word's angle clockwise on the picture, which is
        // anticlockwise on the page (y up); the glyphs' tops point a quarter turn further.
        const double radians = word.angle * std::numbers::pi / 180;
        const double c = std::cos(radians);
        const double s = std::sin(radians);
        text += "/F1 " + number(size) + " Tf " + number(stretch) + " Tz " + matrixNumber(c) + ' ' +
                matrixNumber(-s) + ' ' + matrixNumber(s) + ' ' + matrixNumber(c) + ' ' + number(x) +
                ' ' + number(y) + " Tm " + encoded.string + " Tj\n";
    }
    return text + "ET\n";
}
} // namespace

QSizeF PdfWriter::paperSize(const QLocale &locale)
{
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return {612.0, 792.0};
    return {595.28, 841.89};
}

PdfWriter::PageParts PdfWriter::preparePage(const QImage &picture, PageEdits::ColourMode mode,
                                            const PageReading &reading, QSizeF paper)
{
    const Placement at = place(picture.size(), paper);
    const PageImage image = PageImage::encode(picture, mode);
    PageParts parts;
    parts.placement = at;
    parts.rotate = (4 - (reading.quarterTurns & 3)) % 4 * 90;
    parts.words = reading.words;
    parts.imageData = image.data;
    parts.imageDictionary = "/Type /XObject /Subtype /Image " + image.dictionary;
    parts.content = "q " + number(picture.width() * at.scale) + " 0 0 " +
                    number(picture.height() * at.scale) + ' ' + number(at.origin.x()) + ' ' +
                    number(at.origin.y()) + " cm /Im0 Do Q\n";
    return parts;
}

PdfWriter::PdfWriter(Sink sink)
    : m_sink(std::move(sink))
{}

int PdfWriter::reserve()
{
    m_offsets.push_back(-1);
    return int(m_offsets.size());
}

bool PdfWriter::put(QByteArrayView bytes)
{
    if (!m_sink(bytes))
        return false;
    m_written += bytes.size();
    return true;
}

bool PdfWriter::putObject(int id, const QByteArray &dictionary, QByteArrayView stream,
                          bool hasStream)
{
    m_offsets[std::size_t(id - 1)] = m_written;
    const QByteArray head = QByteArray::number(id) + " 0 obj\n<< " + dictionary +
                            (hasStream ? " /Length " + QByteArray::number(stream.size()) : "") +
                            " >>" + (hasStream ? "\nstream\n" : "");
    return put(head) && (!hasStream || (put(stream) && put("\nendstream"))) && put("\nendobj\n");
}

bool PdfWriter::begin(const PdfDocumentInfo &info)
{
    m_id = info.id;
    // The binary comment tells tools the file holds 8-bit data.
    if (!put("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n"))
        return false;
    const int catalog = reserve();
    m_tree = reserve();
    m_info = reserve();
    const int metadata = reserve();
    const int profile = reserve();
    m_font = reserve();
    const int cidFont = reserve();
    const int descriptor = reserve();
    const int program = reserve();
    m_toUnicode = reserve();
    m_codesToGlyphs = reserve();
    const QByteArray xmp = PdfMetadata::xmpPacket(info);
    const QByteArray icc = SrgbProfile::iccProfile();
    const QByteArray fontProgram = PdfTextFont::program();
    const QByteArray sRgb = QByteArray("(") + SrgbProfile::Description + ')';
    return putObject(catalog, "/Type /Catalog /Pages " + ref(m_tree) + " /Metadata " +
                                  ref(metadata) +
                                  " /OutputIntents [ << /Type /OutputIntent /S /GTS_PDFA1 "
                                  "/OutputConditionIdentifier " +
                                  sRgb + " /Info " + sRgb +
                                  " /RegistryName (http://www.color.org) /DestOutputProfile " +
                                  ref(profile) + " >> ]") &&
           putObject(m_info, PdfMetadata::infoDictionary(info)) &&
           putObject(metadata, "/Type /Metadata /Subtype /XML", xmp, true) &&
           putObject(profile, "/N 3", icc, true) &&
           putObject(m_font, "/Type /Font /Subtype /Type0 /BaseFont /" + FontName +
                                 " /Encoding /Identity-H /DescendantFonts [ " + ref(cidFont) +
                                 " ] /ToUnicode " + ref(m_toUnicode)) &&
           putObject(cidFont, "/Type /Font /Subtype /CIDFontType2 /BaseFont /" + FontName +
                                  " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) "
                                  "/Supplement 0 >> /FontDescriptor " +
                                  ref(descriptor) + " /DW " +
                                  QByteArray::number(PdfTextFont::AdvanceUnits) + " /CIDToGIDMap " +
                                  ref(m_codesToGlyphs)) &&
           putObject(descriptor, "/Type /FontDescriptor /FontName /" + FontName +
                                     " /Flags 5 /FontBBox [0 0 " +
                                     QByteArray::number(PdfTextFont::AdvanceUnits) +
                                     " 1000] /ItalicAngle 0 /Ascent 1000 /Descent 0 "
                                     "/CapHeight 1000 /StemV 80 /FontFile2 " +
                                     ref(program)) &&
           putObject(program, "/Length1 " + QByteArray::number(fontProgram.size()), fontProgram,
                     true);
}

bool PdfWriter::addPage(const PageParts &page)
{
    const int pageId = reserve();
    const int contentId = reserve();
    const int imageId = reserve();
    m_pages.push_back(pageId);
    const QByteArray content = page.content + textLayer(page.words, page.placement, m_textFont);
    const QSizeF box = page.placement.page;
    return putObject(imageId, page.imageDictionary, page.imageData, true) &&
           putObject(contentId, {}, content, true) &&
           putObject(pageId, "/Type /Page /Parent " + ref(m_tree) + " /MediaBox [0 0 " +
                                 number(box.width()) + ' ' + number(box.height()) + "] /Rotate " +
                                 QByteArray::number(page.rotate) +
                                 " /Resources << /XObject << /Im0 " + ref(imageId) +
                                 " >> /Font << /F1 " + ref(m_font) + " >> >> /Contents " +
                                 ref(contentId));
}

bool PdfWriter::finish()
{
    QByteArray kids;
    for (int id : m_pages)
        kids += QByteArray::number(id) + " 0 R ";
    if (!putObject(m_tree, "/Type /Pages /Kids [ " + kids + "] /Count " +
                               QByteArray::number(m_pages.size())) ||
        !putObject(m_toUnicode, "/Filter /FlateDecode", deflated(m_textFont.toUnicode()), true) ||
        !putObject(m_codesToGlyphs, "/Filter /FlateDecode", deflated(m_textFont.codesToGlyphs()),
                   true))
        return false;
    const qint64 xref = m_written;
    QByteArray tail =
        "xref\n0 " + QByteArray::number(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (qint64 offset : m_offsets)
        tail += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    const QByteArray id = '<' + m_id.toHex().toUpper() + '>';
    tail += "trailer\n<< /Size " + QByteArray::number(m_offsets.size() + 1) +
            " /Root 1 0 R /Info " + ref(m_info) + " /ID [ " + id + ' ' + id + " ] >>\nstartxref\n" +
            QByteArray::number(xref) + "\n%%EOF\n";
    return put(tail);
}
