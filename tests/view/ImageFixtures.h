// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

// Helpers shared by the imaging tests: BMP files written field by field (so that malformed ones
// can be made), file access and picture measures.
struct BmpFields
{
    int width = 4;
    int height = 2;
    int bitsPerPixel = 8;
    int compression = 0;
    int colorsUsed = 0;
    int pixelOffset = -1; // -1: right after the palette
};

// A BMP file with a 40-byte info header, the palette (4 bytes an entry) and the pixel bytes as
// given, whether or not they agree with the fields.
QByteArray buildBmp(const BmpFields &fields, const QByteArray &palette, const QByteArray &pixels);
// n grey palette entries.
QByteArray greyPalette(int entries);

std::span<const std::uint8_t> bytesOf(const QByteArray &bytes);
QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

// Sum of squared 4-neighbour Laplacians over all channels: grows with sharpening, falls with
// blurring.
double highFrequencyEnergy(const QImage &image);
// Mean absolute difference per channel of two images of one size, compared as 24-bit colour.
double meanAbsoluteDifference(const QImage &a, const QImage &b);
