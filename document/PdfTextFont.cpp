// SPDX-License-Identifier: MIT
#include "document/PdfTextFont.h"

#include <QtEndian>

#include <array>
#include <bit>

namespace {
// Codes are two bytes and code 0 is left unused. The last code is kept for the replacement
// character, which stands for any character past the codes (a document of 65534 different ones).
constexpr std::size_t LastCode = 0xFFFF;
constexpr char32_t Replacement = 0xFFFD;

// Blocks of a CMap hold at most a hundred entries.
constexpr std::size_t CMapBlock = 100;

QByteArray hex4(unsigned value)
{
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

QByteArray utf16Hex(char32_t character)
{
    QByteArray out;
    for (const QChar unit : QString::fromUcs4(&character, 1))
        out += hex4(unit.unicode());
    return out;
}

// Big-endian writing for the font's tables.
class Bytes
{
public:
    Bytes &u16(unsigned value)
    {
        m_bytes.append(char(value >> 8)).append(char(value & 0xFF));
        return *this;
    }
    Bytes &u32(quint32 value) { return u16(value >> 16).u16(value & 0xFFFF); }
    Bytes &tag(QByteArrayView name)
    {
        m_bytes.append(name);
        return *this;
    }
    Bytes &zeros(int count)
    {
        m_bytes.append(count, '\0');
        return *this;
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

quint32 checksum(const QByteArray &table)
{
    QByteArray padded = table;
    padded.append((4 - padded.size() % 4) % 4, '\0');
    quint32 sum = 0;
    for (qsizetype at = 0; at < padded.size(); at += 4)
        sum += qFromBigEndian<quint32>(padded.constData() + at);
    return sum;
}

constexpr int UnitsPerEm = 1000;
constexpr int GlyphCount = 2; // .notdef and the blank glyph every code shows

struct Table
{
    QByteArrayView tag;
    QByteArray data;
};

std::vector<Table> fontTables()
{
    const Bytes head = Bytes()
                           .u32(0x00010000)
                           .u32(0x00010000) // font revision
                           .u32(0)          // checksum adjustment, set once the font is whole
                           .u32(0x5F0F3CF5)
                           .u16(0x000B) // baseline and left side bearing at 0, integer sizes
                           .u16(UnitsPerEm)
                           .zeros(16) // created and modified: unknown
                           .u16(0)
                           .u16(0)
                           .u16(PdfTextFont::AdvanceUnits)
                           .u16(UnitsPerEm)
                           .u16(0)  // style
                           .u16(3)  // smallest readable size
                           .u16(2)  // direction hint: left to right with neutrals
                           .u16(0)  // short glyph offsets
                           .u16(0); // glyph data format
    const Bytes hhea = Bytes()
                           .u32(0x00010000)
                           .u16(UnitsPerEm) // ascender
                           .u16(0)          // descender
                           .u16(0)          // line gap
                           .u16(PdfTextFont::AdvanceUnits)
                           .zeros(6) // side bearings and extent
                           .u16(1)   // caret upright
                           .u16(0)
                           .zeros(12) // caret offset, reserved, metric format
                           .u16(GlyphCount);
    Bytes maxp;
    maxp.u32(0x00010000).u16(GlyphCount).zeros(8).u16(2).zeros(16);
    Bytes hmtx;
    for (int glyph = 0; glyph < GlyphCount; ++glyph)
        hmtx.u16(PdfTextFont::AdvanceUnits).u16(0);
    Bytes loca; // every glyph empty: all offsets 0
    loca.zeros(2 * (GlyphCount + 1));
    Bytes post;
    post.u32(0x00030000).zeros(4).u16(0xFF9C).u16(50).u32(1).zeros(16);
    // Sorted by tag, as the table directory must be.
    return {{"glyf", {}},           {"head", head.bytes()}, {"hhea", hhea.bytes()},
            {"hmtx", hmtx.bytes()}, {"loca", loca.bytes()}, {"maxp", maxp.bytes()},
            {"post", post.bytes()}};
}
} // namespace

PdfTextFont::Encoded PdfTextFont::encode(const QString &text)
{
    Encoded encoded{"<", 0};
    for (const char32_t character : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        auto code = m_codes.constFind(character);
        if (code == m_codes.constEnd() && m_characters.size() + 1 < LastCode) {
            m_characters.push_back(character);
            code = m_codes.insert(character, quint16(m_characters.size()));
        }
        m_full = m_full || code == m_codes.constEnd();
        encoded.string += hex4(code == m_codes.constEnd() ? LastCode : *code);
        ++encoded.characters;
    }
    encoded.string += '>';
    return encoded;
}

QByteArray PdfTextFont::program()
{
    const std::vector<Table> tables = fontTables();
    const auto count = unsigned(tables.size());
    const unsigned searchRange = 16 * std::bit_floor(count);
    Bytes directory;
    directory.u32(0x00010000)
        .u16(count)
        .u16(searchRange)
        .u16(unsigned(std::countr_zero(std::bit_floor(count))))
        .u16(16 * count - searchRange);
    QByteArray data;
    quint32 offset = 12 + 16 * count;
    qsizetype headAt = 0;
    for (const Table &table : tables) {
        if (table.tag == "head")
            headAt = offset;
        directory.tag(table.tag)
            .u32(checksum(table.data))
            .u32(offset)
            .u32(quint32(table.data.size()));
        QByteArray padded = table.data;
        padded.append((4 - padded.size() % 4) % 4, '\0');
        data += padded;
        offset += quint32(padded.size());
    }
    QByteArray font = directory.bytes() + data;
    const quint32 adjustment = 0xB1B0AFBA - checksum(font);
    qToBigEndian(adjustment, font.data() + headAt + 8);
    return font;
}

QByteArray PdfTextFont::toUnicode() const
{
    QByteArray cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (std::size_t first = 0; first < m_characters.size(); first += CMapBlock) {
        const std::size_t end = std::min(m_characters.size(), first + CMapBlock);
        cmap += QByteArray::number(end - first) + " beginbfchar\n";
        for (std::size_t i = first; i < end; ++i)
            cmap += '<' + hex4(unsigned(i + 1)) + "> <" + utf16Hex(m_characters[i]) + ">\n";
        cmap += "endbfchar\n";
    }
    if (m_full)
        cmap +=
            "1 beginbfchar\n<" + hex4(LastCode) + "> <" + utf16Hex(Replacement) + ">\nendbfchar\n";
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

QByteArray PdfTextFont::codesToGlyphs() const
{
    Bytes map;
    map.u16(0);
    for (std::size_t code = 1; code <= (m_full ? LastCode : m_characters.size()); ++code)
        map.u16(1);
    return map.bytes();
}
