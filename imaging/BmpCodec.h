// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <span>

namespace BmpCodec {
// A whole BMP file in memory. The 24-bit bottom-up uncompressed layout the camera capture builds
// is taken over with a row copy; every other layout is checked here (header fields, palette, and
// that the pixel data or the run-length stream covers the whole picture inside the file) and
// only then decoded by Qt, whose reader would accept a file cut short and leave rows
// uninitialised. Nothing on a malformed file.
std::optional<DecodedImage> decode(std::span<const std::uint8_t> file);

// The image as a BMP file at its own depth: 1, 4 and 8-bit images keep their palette, grey
// images become 8-bit files with a grey palette, 32-bit images stay 32-bit, everything else is
// written with 24 bits. Empty when the memory cannot be had.
QByteArray encode(const DecodedImage &image);
} // namespace BmpCodec
