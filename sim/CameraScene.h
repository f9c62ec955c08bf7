// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"

#include <cstdint>
#include <vector>

class QImage;

// The settings of the simulated camera that change its picture.
struct PictureState
{
    int lamp = 0;     // 0 off, 1 BASE, 2 UPPER
    int rotation = 0; // 0 to 3: 0, 90, 180, 270 degrees clockwise
    bool negative = false;
    bool blackAndWhite = false;

    friend auto operator<=>(const PictureState &, const PictureState &) = default;
};

// What lies in front of the simulated camera, in the camera's own samples: luma and signed
// colour differences, 1280 x 1024, row 0 at the top.
class CameraScene
{
public:
    static constexpr int Width = 1280;
    static constexpr int Height = FrameLayout::RawRows;

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
    static Sample fromRgb(Rgb c);
    static Sample grey(int level) { return {std::uint8_t(level), 0, 0}; }

    explicit CameraScene(Sample background);
    // A picture of Width x Height pixels; the part of another size that covers the scene.
    explicit CameraScene(const QImage &picture);

    const Sample &at(int x, int y) const { return m_pixels[std::size_t(y) * Width + x]; }
    Sample &at(int x, int y) { return m_pixels[std::size_t(y) * Width + x]; }
    void fill(int x0, int y0, int w, int h, Sample s);

private:
    std::vector<Sample> m_pixels;
};

// The raw frame the camera sends of the scene: 1024 rows of 640 groups Cb, Y0, Cr, Y1 (Cb and
// Cr signed), row 0 at the top. The scene is turned as the state asks; the lamps brighten it
// (the base lamp evenly, the upper lamp mostly in the dark parts); black and white drops the
// colour; negative inverts it. Integer arithmetic only: the same bytes on every machine.
std::vector<std::uint8_t> renderFrame(const CameraScene &scene, const PictureState &state);
