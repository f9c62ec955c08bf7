// SPDX-License-Identifier: MIT
#include "sim/TestPattern.h"

#include "sim/BitmapFont.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
using Sample = CameraScene::Sample;
using Rgb = CameraScene::Rgb;
constexpr int Width = CameraScene::Width;
constexpr int Height = CameraScene::Height;

Sample toSample(Rgb c)
{
    return CameraScene::fromRgb(c);
}

Sample grey(int level)
{
    return CameraScene::grey(level);
}

class Scene
{
public:
    Scene()
        : m_pixels(grey(200))
    {
        drawColourBars(0, 200);
        drawRamp(216, 128);
        drawWedge(352, 64);
        drawLines(432, 256);
        drawText();
    }

    const CameraScene &pixels() const { return m_pixels; }

private:
    void fill(int x0, int y0, int w, int h, Sample s) { m_pixels.fill(x0, y0, w, h, s); }

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

    CameraScene m_pixels;
};

const Scene &scene()
{
    static const Scene built;
    return built;
}
} // namespace

std::vector<std::uint8_t> renderTestFrame(const PictureState &state)
{
    return renderFrame(scene().pixels(), state);
}
