// SPDX-License-Identifier: MIT
#include "sim/TestPattern.h"

#include "link/FrameLayout.h"
#include "sim/BitmapFont.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
constexpr int Width = 1280;
constexpr int Height = FrameLayout::RawRows;

struct Sample
{
    std::uint8_t y = 16;
    std::int8_t cb = 0;
    std::int8_t cr = 0;
};

struct Rgb
{
    int r, g, b;
};

// Full-range BT.601, which the default colour coefficients undo.
Sample toSample(Rgb c)
{
    const int y = (77 * c.r + 150 * c.g + 29 * c.b + 128) >> 8;
    const auto chroma = [](int difference, int scale) {
        const int rounded =
            (difference * 1000 + (difference >= 0 ? scale / 2 : -scale / 2)) / scale;
        return std::int8_t(std::clamp(rounded, -128, 127));
    };
    return {std::uint8_t(y), chroma(c.b - y, 1772), chroma(c.r - y, 1402)};
}

Sample grey(int level)
{
    return {std::uint8_t(level), 0, 0};
}

class Scene
{
public:
    Scene()
        : m_pixels(std::size_t(Width) * Height, grey(200))
    {
        drawColourBars(0, 200);
        drawRamp(216, 128);
        drawWedge(352, 64);
        drawLines(432, 256);
        drawText();
    }

    const Sample &at(int x, int y) const { return m_pixels[std::size_t(y) * Width + x]; }

private:
    Sample &px(int x, int y) { return m_pixels[std::size_t(y) * Width + x]; }

    void fill(int x0, int y0, int w, int h, Sample s)
    {
        for (int y = y0; y < y0 + h; ++y)
            std::fill_n(&px(x0, y), w, s);
    }

    void drawColourBars(int top, int height)
    {
        constexpr std::array<Rgb, 8> bars{{{255, 255, 255},
                                           {255, 255, 0},
                                           {0, 255, 255},
                                           {0, 255, 0},
                                           {255, 0, 255},
                                           {255, 0, 0},
                                           {0, 0, 255},
                                           {0, 0, 0}}};
        const int barWidth = Width / int(bars.size());
        for (std::size_t i = 0; i < bars.size(); ++i)
            fill(int(i) * barWidth, top, barWidth, height, toSample(bars[i]));
    }

    void drawRamp(int top, int height)
    {
        for (int x = 0; x < Width; ++x)
            fill(x, top, 1, height, grey(x * 255 / (Width - 1)));
    }

    void drawWedge(int top, int height)
    {
        constexpr int steps = 16;
        for (int i = 0; i < steps; ++i)
            fill(i * Width / steps, top, Width / steps, height, grey(i * 255 / (steps - 1)));
    }

    // Black 1-pixel lines on white, one every `pitch` pixels: vertical lines on the left to judge
    // horizontal sharpness, horizontal ones on the right for vertical sharpness.
    void drawLines(int top, int height)
    {
        constexpr std::array<int, 4> pitches{2, 3, 4, 6};
        constexpr int block = 110;
        constexpr int gap = 10;
        constexpr int start = 160; // inside the part that stays in view at 90 and 270 degrees
        fill(start, top, 2 * 4 * (block + gap), height, grey(235));
        for (std::size_t i = 0; i < pitches.size(); ++i) {
            const int left = start + int(i) * (block + gap);
            for (int x = 0; x < block; x += pitches[i])
                fill(left + x, top, 1, height, grey(16));
            const int right = left + 4 * (block + gap);
            for (int y = 0; y < height; y += pitches[i])
                fill(right, top + y, block, 1, grey(16));
        }
    }

    void drawString(int left, int top, int scale, std::string_view text, Sample ink)
    {
        for (char c : text) {
            const BitmapFont::Glyph &g = BitmapFont::glyph(c);
            for (int row = 0; row < BitmapFont::GlyphHeight; ++row)
                for (int col = 0; col < BitmapFont::GlyphWidth; ++col)
                    if (g[std::size_t(row)] & (0x10 >> col))
                        fill(left + col * scale, top + row * scale, scale, scale, ink);
            left += (BitmapFont::GlyphWidth + 1) * scale;
        }
    }

    void drawText()
    {
        fill(0, 704, Width, Height - 704, grey(225));
        const Sample ink = grey(20);
        drawString(160, 720, 10, "QUILLON FOR USB", ink);
        drawString(160, 810, 5, "SIMULATED MAIN UNIT", ink);
        drawString(160, 870, 3, "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789", ink);
        drawString(160, 910, 2, "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG. (1/2 + 3 = 4?)", ink);
        drawString(160, 940, 1,
                   "SMALL PRINT: IF THIS LINE IS SHARP, THE FOCUS IS GOOD & THE LENS "
                   "IS CLEAN. 100% 5X7 FONT.",
                   ink);
        drawString(160, 960, 3, "RED", toSample({220, 0, 0}));
        drawString(280, 960, 3, "GREEN", toSample({0, 170, 0}));
        drawString(440, 960, 3, "BLUE", toSample({0, 0, 220}));
    }

    std::vector<Sample> m_pixels;
};

const Scene &scene()
{
    static const Scene built;
    return built;
}

// The scene point shown at frame pixel (x, y) when the scene is turned clockwise about the
// frame's centre; false where the turned scene does not cover the frame.
bool scenePoint(int rotation, int x, int y, int &sx, int &sy)
{
    constexpr int shift = (Width - Height) / 2;
    switch (rotation & 3) {
    case 1:
        sx = y + shift;
        sy = Width - 1 - shift - x;
        break;
    case 2:
        sx = Width - 1 - x;
        sy = Height - 1 - y;
        break;
    case 3:
        sx = Width - 1 - shift - y;
        sy = x - shift;
        break;
    default:
        sx = x;
        sy = y;
        break;
    }
    return sx >= 0 && sx < Width && sy >= 0 && sy < Height;
}

std::array<std::uint8_t, 256> luminanceTable(const PictureState &state)
{
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        int y = v;
        if (state.lamp == 1)
            y = std::min(255, y + 24);
        else if (state.lamp == 2)
            y = y + (255 - y) * 3 / 16;
        if (state.negative)
            y = 255 - y;
        table[std::size_t(v)] = std::uint8_t(y);
    }
    return table;
}

std::int8_t chroma(int c, const PictureState &state)
{
    if (state.blackAndWhite)
        return 0;
    return std::int8_t(state.negative ? std::min(127, -c) : c);
}
} // namespace

std::vector<std::uint8_t> renderTestFrame(const PictureState &state)
{
    const Scene &source = scene();
    const std::array<std::uint8_t, 256> luma = luminanceTable(state);
    const Sample background = grey(16);
    std::vector<std::uint8_t> frame(FrameLayout::RawFrameBytes);
    std::uint8_t *out = frame.data();
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; x += 2) {
            Sample pair[2];
            for (int i = 0; i < 2; ++i) {
                int sx = 0;
                int sy = 0;
                pair[i] =
                    scenePoint(state.rotation, x + i, y, sx, sy) ? source.at(sx, sy) : background;
            }
            // Both pixels of a group share one colour difference: their mean.
            const int cb = (pair[0].cb + pair[1].cb) >> 1;
            const int cr = (pair[0].cr + pair[1].cr) >> 1;
            *out++ = std::uint8_t(chroma(cb, state));
            *out++ = luma[pair[0].y];
            *out++ = std::uint8_t(chroma(cr, state));
            *out++ = luma[pair[1].y];
        }
    }
    return frame;
}
