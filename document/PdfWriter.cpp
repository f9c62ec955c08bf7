// SPDX-License-Identifier: MIT
#include "document/PdfWriter.h"

#include "imaging/JpegCodec.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
// JPEG quality factor of the pages: finer than the default of a saved picture, since text must
// stay sharp, yet a camera page stays a few hundred kilobytes.
constexpr int PageQualityFactor = 9;

// Every character of the invisible text is declared half its size wide (the font's widths say
// so), so a word's natural width is known here and it is stretched to fill its box exactly.
constexpr double AverageAdvance = 0.5;

// The characters of WinAnsiEncoding outside Latin-1 that recognized text commonly holds.
constexpr std::array<std::pair<char16_t, char>, 13> WinAnsiExtras{{
    {u'€', '\x80'},
    {u'‚', '\x82'},
    {u'„', '\x84'},
    {u'…', '\x85'},
    {u'‘', '\x91'},
    {u'’', '\x92'},
    {u'“', '\x93'},
    {u'”', '\x94'},
    {u'•', '\x95'},
    {u'–', '\x96'},
    {u'—', '\x97'},
    {u'™', '\x99'},
    {u'œ', '\x9C'},
}};

// A PDF literal string in WinAnsiEncoding; characters it cannot hold become '?'.
QByteArray pdfString(const QString &text)
{
    QByteArray out("(");
    for (const QChar c : text.normalized(QString::NormalizationForm_KC)) {
        const char16_t u = c.unicode();
        char byte = '?';
        if ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF)) {
            byte = char(u);
        } else {
            const auto extra = std::find_if(WinAnsiExtras.begin(), WinAnsiExtras.end(),
                                            [u](const auto &e) { return e.first == u; });
            if (extra != WinAnsiExtras.end())
                byte = extra->second;
        }
        if (byte == '(' || byte == ')' || byte == '\\')
            out += '\\';
        out += byte;
    }
    return out + ')';
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

// A direction's cosine or sine: finer, so that a line of words keeps its slope; no "-0".
QByteArray matrixNumber(double value)
{
    const double rounded = std::round(value * 1e5) / 1e5;
    return QByteArray::number(rounded == 0 ? 0.0 : rounded, 'f', 5);
}

struct Placement
{
    QSizeF page;
    double scale;   // points per picture pixel
    QPointF origin; // the picture's bottom-left corner on the page
};

Placement place(QSize picture, QSizeF paper)
{
    const bool landscape = picture.width() > picture.height();
    QSizeF page = paper;
    if (landscape != (paper.width() > paper.height()))
        page.transpose();
    const double scale = std::min(page.width() / picture.width(), page.height() / picture.height());
    const QPointF origin((page.width() - picture.width() * scale) / 2,
                         (page.height() - picture.height() * scale) / 2);
    return {page, scale, origin};
}

QByteArray textLayer(const std::vector<RecognizedWord> &words, const Placement &at, int height)
{
    QByteArray text = "BT\n3 Tr\n"; // render mode 3: neither filled nor stroked, yet searchable
    for (const RecognizedWord &word : words) {
        const double size = std::max(1.0, word.lineHeight * at.scale);
        const double natural = word.text.size() * AverageAdvance * size;
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
                ' ' + number(y) + " Tm " + pdfString(word.text) + " Tj\n";
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

PdfWriter::PageParts PdfWriter::preparePage(const QImage &source, const PageReading &reading,
                                            QSizeF paper)
{
    const bool grey = source.isGrayscale();
    const QImage picture = grey ? source.convertToFormat(QImage::Format_Grayscale8) : source;
    const Placement at = place(picture.size(), paper);
    PageParts parts;
    parts.mediaBox = at.page;
    parts.rotate = (4 - (reading.quarterTurns & 3)) % 4 * 90;
    parts.imageData = JpegCodec::encode(picture, PageQualityFactor);
    parts.imageDictionary =
        "/Type /XObject /Subtype /Image /Width " + QByteArray::number(picture.width()) +
        " /Height " + QByteArray::number(picture.height()) + " /ColorSpace " +
        (grey ? "/DeviceGray" : "/DeviceRGB") + " /BitsPerComponent 8 /Filter /DCTDecode";
    parts.content = "q " + number(picture.width() * at.scale) + " 0 0 " +
                    number(picture.height() * at.scale) + ' ' + number(at.origin.x()) + ' ' +
                    number(at.origin.y()) + " cm /Im0 Do Q\n" +
                    textLayer(reading.words, at, picture.height());
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

bool PdfWriter::begin()
{
    // The binary comment tells tools the file holds 8-bit data.
    if (!put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"))
        return false;
    const int catalog = reserve();
    m_tree = reserve();
    m_font = reserve();
    QByteArray widths;
    for (int c = 32; c <= 255; ++c)
        widths += QByteArray::number(int(AverageAdvance * 1000)) + ' ';
    return putObject(catalog, "/Type /Catalog /Pages " + QByteArray::number(m_tree) + " 0 R") &&
           putObject(m_font, "/Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                             "/Encoding /WinAnsiEncoding /FirstChar 32 /LastChar 255 /Widths [ " +
                                 widths + "]");
}

bool PdfWriter::addPage(const PageParts &page)
{
    const int pageId = reserve();
    const int contentId = reserve();
    const int imageId = reserve();
    m_pages.push_back(pageId);
    return putObject(imageId, page.imageDictionary, page.imageData, true) &&
           putObject(contentId, {}, page.content, true) &&
           putObject(pageId, "/Type /Page /Parent " + QByteArray::number(m_tree) +
                                 " 0 R /MediaBox [0 0 " + number(page.mediaBox.width()) + ' ' +
                                 number(page.mediaBox.height()) + "] /Rotate " +
                                 QByteArray::number(page.rotate) +
                                 " /Resources << /XObject << /Im0 " + QByteArray::number(imageId) +
                                 " 0 R >> /Font << /F1 " + QByteArray::number(m_font) +
                                 " 0 R >> >> /Contents " + QByteArray::number(contentId) + " 0 R");
}

bool PdfWriter::finish()
{
    QByteArray kids;
    for (int id : m_pages)
        kids += QByteArray::number(id) + " 0 R ";
    if (!putObject(m_tree, "/Type /Pages /Kids [ " + kids + "] /Count " +
                               QByteArray::number(m_pages.size())))
        return false;
    const qint64 xref = m_written;
    QByteArray tail =
        "xref\n0 " + QByteArray::number(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (qint64 offset : m_offsets)
        tail += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    tail += "trailer\n<< /Size " + QByteArray::number(m_offsets.size() + 1) +
            " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return put(tail);
}
