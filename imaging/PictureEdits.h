// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"

// The edits the imaging control makes to the picture it holds, without widgets.
namespace PictureEdits {
enum class Outcome
{
    Failed, // the picture is as it was
    Unchanged,
    Changed,
};

// Sharpens (positive) or softens (negative) by an amount of -1000..1000; amounts outside are
// refused, 0 changes nothing. A palette picture becomes a 24-bit one (32-bit with alpha).
Outcome sharpen(DecodedImage &picture, int amount);
// To 24 or 32 bits per pixel; other depths are refused.
Outcome convertColorDepth(DecodedImage &picture, int bitsPerPixel);
} // namespace PictureEdits
