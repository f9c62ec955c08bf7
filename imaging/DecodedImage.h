// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <cstdint>

// An image with the depth it had in its file: 1, 4 or 8 bits per pixel for palette (or grey)
// images, 24 or 32 for colour. Qt keeps 4-bit images as 8-bit indexed ones, so the depth is
// carried beside the image. 24-bit pictures are held as QImage::Format_BGR888, the byte order of
// BMP files and of the camera's picture, so that loading, sharpening and saving them are plain
// row copies.
struct DecodedImage
{
    QImage image;
    int bitsPerPixel = 0;
};

// Limits on what is decoded at all: a file claiming more is refused before any pixel memory is
// taken. 30 million pixels are 120 MB at 32 bits, below Qt's 128 MB allocation limit.
namespace ImageLimits {
inline constexpr std::int64_t MaxSide = 32767;
inline constexpr std::int64_t MaxPixels = 30'000'000;
inline constexpr std::int64_t MaxFileBytes = 256 * 1024 * 1024;

inline bool acceptableSize(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide &&
           width * height <= MaxPixels;
}
} // namespace ImageLimits
