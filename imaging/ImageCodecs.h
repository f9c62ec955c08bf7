// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// Loading and saving picture files, free of widgets so a headless capture can use them.
namespace ImageCodecs {
enum class FileFormat
{
    Bmp,
    Jpeg,
    Png,
};

// A BMP, JPEG or PNG file recognised by its first bytes, whatever its name. Nothing for a file
// that is missing, empty, larger than ImageLimits::MaxFileBytes, of another kind, or malformed.
// A PNG keeps its depth where the program has one (8-bit palette or grey, 24-bit colour, 32 bits
// with transparency); other depths are brought to the nearest of these.
std::optional<DecodedImage> decode(std::span<const std::uint8_t> file);
std::optional<DecodedImage> loadFile(const QString &path);

// The picture encoded as a whole file; empty when that fails. qualityFactor and comment are
// used by JPEG only (see JpegCodec); PNG is lossless.
QByteArray encode(const DecodedImage &image, FileFormat format, int qualityFactor,
                  const QByteArray &comment = {});

// Replaces path with bytes atomically: through a temporary file in the same folder that is
// renamed over the target only when everything was written. On failure the old file is left as
// it was and no temporary file remains. A target that SaveTarget refuses (not a regular file, or
// reached through another user's link in a shared folder) is left alone. On failure errorString
// (when given) receives the reason.
bool writeFileAtomically(const QString &path, const QByteArray &bytes,
                         QString *errorString = nullptr);
} // namespace ImageCodecs
