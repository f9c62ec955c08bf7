// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// The settings of the simulated camera that change its picture.
struct PictureState
{
    int lamp = 0;     // 0 off, 1 BASE, 2 UPPER
    int rotation = 0; // 0 to 3: 0, 90, 180, 270 degrees clockwise
    bool negative = false;
    bool blackAndWhite = false;

    friend auto operator<=>(const PictureState &, const PictureState &) = default;
};

// The simulated camera's picture: colour bars, a grey ramp and wedge, 1-pixel lines at several
// pitches and text in a built-in font, 1280 x 1024 pixels. Returned as the raw frame the camera
// sends: 1024 rows of 640 groups Cb, Y0, Cr, Y1 (Cb and Cr signed), row 0 at the top. The scene
// is drawn rotated as the state asks; the lamps brighten it (the base lamp evenly, the upper
// lamp mostly in the dark parts); black and white drops the colour; negative inverts it.
// Deterministic: integer arithmetic only, the same bytes on every machine.
std::vector<std::uint8_t> renderTestFrame(const PictureState &state);
