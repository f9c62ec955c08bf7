// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

// The font of the invisible text: one without glyph outlines, so that it draws nothing and weighs
// a few hundred bytes, yet is embedded as archives ask. Its codes are two bytes (Identity-H), one
// per character of the document, numbered as the characters first appear; the map from codes to
// Unicode that makes the text searchable and copyable in every script is written once the
// document's text is known. Every glyph is AdvanceUnits thousandths of the text size wide.
class PdfTextFont
{
public:
    static constexpr int AdvanceUnits = 500;

    struct Encoded
    {
        // A PDF hex string of the text's codes.
        QByteArray string;
        // How many characters (codes) it holds.
        int characters = 0;
    };

    // The text in the font's codes; new characters are given codes of their own.
    Encoded encode(const QString &text);

    // The font program: a TrueType font whose glyphs are all empty.
    static QByteArray program();
    // The CMap from every code given so far to its character.
    QByteArray toUnicode() const;
    // The glyph of every code given so far: the blank one.
    QByteArray codesToGlyphs() const;

private:
    // The characters by their code less one.
    std::vector<char32_t> m_characters;
    QHash<char32_t, quint16> m_codes;
    // A character found no code left: the last code stands for it.
    bool m_full = false;
};
