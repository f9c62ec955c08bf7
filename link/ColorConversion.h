// SPDX-License-Identifier: MIT
#pragma once

#include "kernels/CpuPath.h"
#include "kernels/RowBands.h"
#include "link/FrameLayout.h"
#include "link/MemoryBlock.h"

#include <array>
#include <cstdint>
#include <span>

// The crop of the camera's raw frame and its conversion from YCbCr 4:2:2 into a 24-bit bottom-up
// BMP file image. Pure functions over spans whose sizes are checked, plus MemoryBlock wrappers;
// none of them shows a message: a null block means the memory could not be had, and the caller
// reports that.

// Output byte by row and clamped channel value. Row 0 brightens strongly (gamma correction on),
// row 1 is the gentler curve used with gamma correction off. Both map 0 to 0 and 255 to 255.
inline constexpr std::array<std::array<std::uint8_t, 256>, 2> ToneTable{{
    {
        0,   9,   14,  18,  21,  24,  27,  30,  32,  35,  37,  39,  41,  43,  45,  47,  // 0-15
        49,  50,  52,  54,  56,  57,  59,  61,  62,  64,  65,  67,  68,  70,  71,  72,  // 16-31
        74,  75,  76,  78,  79,  80,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  // 32-47
        94,  95,  96,  97,  99,  100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 111, // 48-63
        112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, // 64-79
        128, 129, 130, 131, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, // 80-95
        142, 143, 144, 145, 146, 147, 148, 149, 149, 150, 151, 152, 153, 154, 155, 155, // 96-111
        156, 157, 158, 159, 160, 160, 161, 162, 163, 164, 164, 165, 166, 167, 168, 168, // 112-127
        169, 170, 171, 172, 172, 173, 174, 175, 176, 176, 177, 178, 179, 179, 180, 181, // 128-143
        182, 182, 183, 184, 185, 185, 186, 187, 188, 188, 189, 190, 191, 191, 192, 193, // 144-159
        193, 194, 195, 196, 196, 197, 198, 199, 199, 200, 201, 201, 202, 203, 203, 204, // 160-175
        205, 206, 206, 207, 208, 208, 209, 210, 210, 211, 212, 212, 213, 214, 214, 215, // 176-191
        216, 217, 217, 218, 219, 219, 220, 221, 221, 222, 223, 223, 224, 224, 225, 226, // 192-207
        226, 227, 228, 228, 229, 230, 230, 231, 232, 232, 233, 234, 234, 235, 235, 236, // 208-223
        237, 237, 238, 239, 239, 240, 241, 241, 242, 242, 243, 244, 244, 245, 246, 246, // 224-239
        247, 247, 248, 249, 249, 250, 250, 251, 252, 252, 253, 253, 254, 255, 255, 255, // 240-255
    },
    {
        0,   3,   5,   7,   9,   10,  12,  13,  15,  17,  19,  20,  22,  24,  25,  27,  // 0-15
        28,  30,  32,  34,  35,  37,  39,  40,  42,  43,  45,  46,  48,  50,  52,  53,  // 16-31
        55,  57,  58,  60,  62,  63,  65,  67,  68,  70,  72,  73,  75,  76,  78,  80,  // 32-47
        81,  82,  84,  85,  87,  89,  91,  92,  93,  95,  96,  98,  99,  101, 102, 104, // 48-63
        105, 107, 109, 111, 112, 114, 115, 117, 118, 120, 121, 123, 124, 126, 127, 129, // 64-79
        130, 131, 132, 133, 135, 136, 138, 139, 141, 143, 144, 146, 147, 148, 149, 151, // 80-95
        152, 153, 155, 157, 158, 159, 160, 161, 163, 164, 166, 167, 168, 169, 170, 172, // 96-111
        173, 175, 176, 177, 178, 180, 181, 183, 184, 185, 186, 187, 188, 189, 190, 191, // 112-127
        193, 194, 195, 196, 197, 198, 199, 201, 202, 203, 204, 205, 206, 207, 208, 209, // 128-143
        210, 211, 212, 213, 214, 215, 216, 217, 218, 218, 219, 220, 221, 222, 223, 224, // 144-159
        224, 225, 226, 226, 227, 228, 229, 229, 230, 231, 231, 232, 233, 234, 234, 235, // 160-175
        236, 236, 237, 238, 238, 239, 240, 240, 241, 241, 242, 242, 243, 244, 244, 245, // 176-191
        245, 246, 246, 247, 247, 247, 247, 248, 248, 249, 249, 250, 250, 250, 250, 251, // 192-207
        251, 251, 252, 252, 252, 252, 252, 252, 252, 253, 253, 253, 253, 253, 253, 253, // 208-223
        253, 254, 254, 254, 254, 254, 254, 254, 254, 254, 255, 255, 255, 255, 255, 255, // 224-239
        255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, // 240-255
    },
}};

constexpr std::uint8_t ClampToByte(int v)
{
    return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// The tone row of a gamma selection: 0 is gamma correction on, anything else counts as off, so
// that an out-of-range setting can never index past the two rows.
constexpr int toneRowOf(int gammaSelection)
{
    return gammaSelection == 0 ? 0 : 1;
}

// Raw row i, less its last 16 bytes, becomes row 1023 - i of cropped. False (nothing written)
// when either span has the wrong size.
bool CropRawFrame(std::span<const std::uint8_t> raw, std::span<std::uint8_t> cropped);
// A new cropped frame, or a null block when memory is short (or raw has the wrong size, without
// allocating). The block wrappers have names of their own so that the view's member
// ConvertFrameToBitmap does not hide them.
MemoryBlock cropRawFrameBlock(const MemoryBlock &raw);

// The 54 bytes that open every bitmap we build: 1272 x 1024, 24 bits, uncompressed, bottom-up.
void writeBitmapHeader(std::span<std::uint8_t, FrameLayout::BitmapHeaderBytes> header);

// The conversion's fastest path on this processor, no higher than activeCpuPath(): the paths
// are timed on a few rows the first time a cap asks (well under a millisecond), since a vector
// unit that works in halves, or a slow byte shuffle, can make a wider path the slower one.
CpuPath fastestConversionPath();

// Writes the whole BMP file image of a cropped frame on the given path (every path gives the same
// bytes), its rows shared out as threads says. False (nothing written) when a span has the wrong
// size or the path is not supported here.
bool ConvertFrameToBitmap(std::span<const std::uint8_t> cropped, ColorCoefficients coefficients,
                          int gammaSelection, std::span<std::uint8_t> bitmap,
                          CpuPath path = fastestConversionPath(),
                          RowBands::Threads threads = RowBands::Threads::Pooled);
// A new block of BitmapImageSize bytes, or a null block when memory is short (or, without
// allocating, when cropped is not a whole cropped frame: callers check for an empty frame first).
MemoryBlock convertFrameToBitmapBlock(const MemoryBlock &cropped, ColorCoefficients coefficients,
                                      int gammaSelection);
