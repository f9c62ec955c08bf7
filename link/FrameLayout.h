// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Geometry of the camera's raw frame, the cropped frame kept for re-conversion, and the 24-bit
// bottom-up BMP file image built from it.
namespace FrameLayout {
inline constexpr int RawRows = 1024;
inline constexpr std::size_t RawRowBytes = 2560;                    // 640 groups of Cb, Y0, Cr, Y1
inline constexpr std::size_t RawFrameBytes = RawRows * RawRowBytes; // 2,621,440

inline constexpr std::size_t CroppedRowBytes = 2544; // the last 4 groups (8 pixels) are dropped
inline constexpr std::size_t CroppedFrameBytes = RawRows * CroppedRowBytes; // 2,605,056
inline constexpr int GroupsPerCroppedRow = int(CroppedRowBytes / 4);        // 636

inline constexpr int BitmapWidth = 1272;
inline constexpr int BitmapHeight = 1024;
inline constexpr std::size_t BitmapRowBytes = BitmapWidth * 3; // 3816, already a multiple of 4
inline constexpr std::size_t BitmapHeaderBytes = 54;
inline constexpr std::size_t BitmapPixelBytes = BitmapRowBytes * BitmapHeight;       // 3,907,584
inline constexpr std::size_t BitmapImageSize = BitmapHeaderBytes + BitmapPixelBytes; // 3,907,638
} // namespace FrameLayout

// The camera's colour coefficients from bytes 1 to 4 of its "QS4  " reply: k0 scales Cr into
// red, k1 Cb into blue, k2 Cr into green and k3 Cb into green.
struct ColorCoefficients
{
    std::uint8_t k0 = 0;
    std::uint8_t k1 = 0;
    std::uint8_t k2 = 0;
    std::uint8_t k3 = 0;

    friend bool operator==(const ColorCoefficients &, const ColorCoefficients &) = default;
};

// 8 bytes on the command pipe: the text, its terminating zero, zeros to the end.
using CommandPacket = std::array<std::uint8_t, 8>;
// 8 bytes from the reply pipe, zeroed before each read.
using ReplyPacket = std::array<std::uint8_t, 8>;
