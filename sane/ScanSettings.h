// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"

#include <sane/sane.h>

// How a scan is made from the camera's picture: its mode, the part of the picture, and the
// picture settings the capture is rendered with. The option values a frontend sets.
enum class ScanMode
{
    Color,
    Gray,
    Lineart,
};

struct ScanSettings
{
    // The camera gives one picture size. How many dots per inch that is depends on its height
    // above the page and its zoom; at its widest the picture spans about the width of a sheet
    // of A4 turned sideways, so frontends are told 100, which sizes pages about right.
    static constexpr int Resolution = 100;
    static constexpr int PictureWidth = FrameLayout::BitmapWidth;
    static constexpr int PictureHeight = FrameLayout::BitmapHeight;
    static constexpr double millimetres(int pixels) { return pixels * 25.4 / Resolution; }
    static constexpr int DefaultSharpnessIndex = 3;

    ScanMode mode = ScanMode::Color;
    SANE_Fixed threshold = SANE_FIX(50.0); // percent: darker pixels are black in Lineart
    bool preview = false;                  // half the size each way, for a quick look
    // The scan area in millimetres from the picture's top left corner.
    SANE_Fixed left = 0;
    SANE_Fixed top = 0;
    SANE_Fixed right = SANE_FIX(millimetres(PictureWidth));
    SANE_Fixed bottom = SANE_FIX(millimetres(PictureHeight));
    bool gammaCorrection = false; // the stored "Gamma" 0
    int sharpnessIndex = DefaultSharpnessIndex;
};

// The scan area in pixels of the picture: never empty, never outside it. Edges given the wrong
// way round are swapped.
struct ScanArea
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const ScanArea &, const ScanArea &) = default;
};
ScanArea scanArea(const ScanSettings &settings);

// What a scan with these settings delivers: known before it starts, since the picture's size is
// fixed. One frame, 8-bit RGB or grey, or 1-bit for Lineart.
SANE_Parameters scanParameters(const ScanSettings &settings);
