// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <cstdint>
#include <span>

// The run-length streams of BMP files (RLE8, and RLE4 with two pixels a byte), decoded here
// rather than by Qt, whose reader leaves the pixels a stream skips uninitialised.
namespace BmpRunLength {
// The most bytes a stream of a width x height picture is read for: every code writes or skips
// at least one pixel or ends a row, and takes at most 4 bytes for it (a delta that moves
// nowhere is the one exception, and a stream of them ends where this bound does).
std::int64_t boundBytes(std::int64_t width, std::int64_t height);

// The picture as 8-bit palette indices, the stream's first row at the bottom. Pixels that an
// early end of line or of the bitmap, or a delta, skips are index 0. Null when a run or a delta
// leaves its row or the picture, when the stream writes below the last row, or when it ends
// (within boundBytes) inside a code or without an end of bitmap before its last pixel. The
// palette is not set.
QImage decode(std::span<const std::uint8_t> stream, int width, int height, bool fourBit);
} // namespace BmpRunLength
