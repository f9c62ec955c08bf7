// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// A 5 x 7 pixel font built into the program, so the simulated picture is the same on every
// machine whatever fonts it has. Row 0 is the top; bit 4 of a row is its leftmost pixel.
namespace BitmapFont {
inline constexpr int GlyphWidth = 5;
inline constexpr int GlyphHeight = 7;
using Glyph = std::array<std::uint8_t, GlyphHeight>;

// Upper-case letters, digits, blank and common punctuation; lower case is drawn as upper case,
// anything else as a question mark.
const Glyph &glyph(char c);
} // namespace BitmapFont
