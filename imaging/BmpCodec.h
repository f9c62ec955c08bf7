// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace BmpCodec {
// A whole BMP file in memory. The 24-bit bottom-up uncompressed layout the camera capture builds
// is taken over with a row copy, and run-length streams are decoded here (see BmpRunLength);
// every other layout is checked here (header fields, palette, and that the pixel data lies
// inside the file) and only then decoded by Qt, whose reader would accept a file cut short and
// leave rows uninitialised. Nothing on a malformed file.
std::optional<DecodedImage> decode(std::span<const std::uint8_t> file);

// Enough of a file's first bytes to hold the largest headers with a full palette.
inline constexpr std::int64_t HeadBytes = 2048;
using ReadAt = std::function<QByteArray(std::int64_t offset, std::int64_t length)>;

// The bytes of a BMP file that its picture needs, for decode: the headers and palette, then the
// pixel data moved up behind them, so that a gap before the pixels or anything after them is
// never read. head is the file's first HeadBytes bytes (all of them when it is shorter), readAt
// reads the pixel data (a result of another length is a failed read). Empty when the headers
// are malformed, the pixels do not fit in the file or the read fails.
QByteArray readNeeded(std::span<const std::uint8_t> head, std::int64_t fileSize,
                      const ReadAt &readAt);

// The image as a BMP file at its own depth: 1, 4 and 8-bit images keep their palette, grey
// images become 8-bit files with a grey palette, 32-bit images stay 32-bit, everything else is
// written with 24 bits. Empty when the memory cannot be had.
QByteArray encode(const DecodedImage &image);
} // namespace BmpCodec
