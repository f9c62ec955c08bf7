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

class PdfFile
{
public:
    // Objects are numbered in the order they are reserved, from 1.
    int reserve()
    {
        m_offsets.push_back(-1);
        return int(m_offsets.size());
    }
    void add(int id, const QByteArray &body, const QByteArray &stream = {}, bool hasStream = false)
    {
        m_offsets[std::size_t(id - 1)] = m_bytes.size();
        m_bytes += QByteArray::number(id) + " 0 obj\n" + body;
        if (hasStream)
            m_bytes += "\nstream\n" + stream + "\nendstream";
        m_bytes += "\nendobj\n";
    }
    QByteArray finish(int root)
    {
        const qsizetype xref = m_bytes.size();
        m_bytes +=
            "xref\n0 " + QByteArray::number(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
        for (qsizetype offset : m_offsets)
            m_bytes += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        m_bytes += "trailer\n<< /Size " + QByteArray::number(m_offsets.size() + 1) + " /Root " +
                   QByteArray::number(root) + " 0 R >>\nstartxref\n" + QByteArray::number(xref) +
                   "\n%%EOF\n";
        return m_bytes;
    }

private:
    // The binary comment tells tools the file holds 8-bit data.
    QByteArray m_bytes{"%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"};
    std::vector<qsizetype> m_offsets;
};

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

namespace PdfWriter {
QSizeF paperSize(const QLocale &locale)
{
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return {612.0, 792.0};
    return {595.28, 841.89};
}

QByteArray write(std::span<const PdfPage> pages, QSizeF paper)
{
    PdfFile pdf;
    const int catalog = pdf.reserve();
    const int tree = pdf.reserve();
    const int font = pdf.reserve();
    pdf.add(catalog, "<< /Type /Catalog /Pages " + QByteArray::number(tree) + " 0 R >>");
    QByteArray widths;
    for (int c = 32; c <= 255; ++c)
        widths += QByteArray::number(int(AverageAdvance * 1000)) + ' ';
    pdf.add(font, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                  "/Encoding /WinAnsiEncoding /FirstChar 32 /LastChar 255 /Widths [ " +
                      widths + "] >>");

    QByteArray kids;
    for (const PdfPage &page : pages) {
        const bool grey = page.picture.isGrayscale();
        const QImage picture =
            grey ? page.picture.convertToFormat(QImage::Format_Grayscale8) : page.picture;
        const Placement at = place(picture.size(), paper);
        const int pageId = pdf.reserve();
        const int contentId = pdf.reserve();
        const int imageId = pdf.reserve();
        kids += QByteArray::number(pageId) + " 0 R ";

        const QByteArray jpeg = JpegCodec::encode(picture, PageQualityFactor);
        if (jpeg.isEmpty())
            return {};
        pdf.add(imageId,
                "<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(picture.width()) +
                    " /Height " + QByteArray::number(picture.height()) + " /ColorSpace " +
                    (grey ? "/DeviceGray" : "/DeviceRGB") +
                    " /BitsPerComponent 8 /Filter /DCTDecode /Length " +
                    QByteArray::number(jpeg.size()) + " >>",
                jpeg, true);
        const QByteArray content = "q " + number(picture.width() * at.scale) + " 0 0 " +
                                   number(picture.height() * at.scale) + ' ' +
                                   number(at.origin.x()) + ' ' + number(at.origin.y()) +
                                   " cm /Im0 Do Q\n" + textLayer(page.words, at, picture.height());
        pdf.add(contentId, "<< /Length " + QByteArray::number(content.size()) + " >>", content,
                true);
        pdf.add(pageId, "<< /Type /Page /Parent " + QByteArray::number(tree) +
                            " 0 R /MediaBox [0 0 " + number(at.page.width()) + ' ' +
                            number(at.page.height()) + "] /Rotate " +
                            QByteArray::number((4 - (page.quarterTurns & 3)) % 4 * 90) +
                            " /Resources << /XObject << /Im0 " + QByteArray::number(imageId) +
                            " 0 R >> /Font << /F1 " + QByteArray::number(font) +
                            " 0 R >> >> /Contents " + QByteArray::number(contentId) + " 0 R >>");
    }
    pdf.add(tree, "<< /Type /Pages /Kids [ " + kids + "] /Count " +
                      QByteArray::number(pages.size()) + " >>");
    return pdf.finish(catalog);
}
} // namespace PdfWriter
