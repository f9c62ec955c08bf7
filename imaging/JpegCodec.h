// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <span>

// JPEG through libjpeg-turbo directly: it reads and writes the BGR byte order the pictures are
// held in without a conversion pass, reports a stream cut short (which Qt's reader decodes
// with a grey bottom and no error), and writes a comment marker.
namespace JpegCodec {
inline constexpr int BestFactor = 2;
inline constexpr int MostCompressedFactor = 255;
// Files with more scans are refused before decoding: each costs a pass over the picture, and
// nothing in the format bounds their number. libjpeg's standard progressions use 10 scans (6 for
// grey); tuned ones use a few more.
inline constexpr int MaxScans = 64;

// The quality factor is a quantiser step: 2 is the finest, 255 the coarsest. The encoder's
// standard quantisation tables are scaled by factor x 2/3 percent (rounded, at least 1), so
// the step grows in proportion to the factor. In the encoder's own quality terms (quality q
// scales the tables by 200 - 2q percent above 50, by 5000 / q below) that is: 2 -> 100,
// 15 (the default) -> 95, 75 -> 75, 150 -> 50, 242 -> 31, 255 -> 29. Factors outside 2..255
// are clamped.
int tableScalePercent(int qualityFactor);

// Colour or grey JPEG; grey images are decoded as 8-bit grey, colour ones as 24-bit BGR.
// Nothing when the stream is damaged or cut short (any decoder warning counts; decoding stops
// at the first), when it is CMYK, when its size is beyond ImageLimits, or when its scans are more
// than MaxScans or break the progression rules (see JpegScans).
std::optional<DecodedImage> decode(std::span<const std::uint8_t> file);

// Grey images are written as grey JPEGs, every other one in colour (palette images through
// 24 bits). A non-empty comment is written as a comment marker (at most 65533 bytes).
// Empty when encoding fails.
QByteArray encode(const QImage &image, int qualityFactor, const QByteArray &comment = {});
} // namespace JpegCodec
