// SPDX-License-Identifier: MIT
#include "tests/view/ImageFixtures.h"

#include <QFile>

#include <cstdlib>
#include <gtest/gtest.h>

namespace {
void put(QByteArray &file, int offset, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file[offset + i] = char(value >> (8 * i));
}
} // namespace

QByteArray buildBmp(const BmpFields &fields, const QByteArray &palette, const QByteArray &pixels)
{
    QByteArray file(54, '\0');
    const int offset = fields.pixelOffset >= 0 ? fields.pixelOffset : 54 + int(palette.size());
    file[0] = 'B';
    file[1] = 'M';
    put(file, 2, quint32(54 + palette.size() + pixels.size()), 4);
    put(file, 10, quint32(offset), 4);
    put(file, 14, 40, 4);
    put(file, 18, quint32(fields.width), 4);
    put(file, 22, quint32(fields.height), 4);
    put(file, 26, 1, 2);
    put(file, 28, quint32(fields.bitsPerPixel), 2);
    put(file, 30, quint32(fields.compression), 4);
    put(file, 34, quint32(pixels.size()), 4);
    put(file, 46, quint32(fields.colorsUsed), 4);
    return file + palette + pixels;
}

QByteArray greyPalette(int entries)
{
    QByteArray palette;
    for (int i = 0; i < entries; ++i) {
        const char level = char(i * 255 / std::max(1, entries - 1));
        palette += QByteArray(3, level) + '\0';
    }
    return palette;
}

std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

double highFrequencyEnergy(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    double energy = 0;
    for (int y = 1; y + 1 < rgb.height(); ++y) {
        const uchar *above = rgb.constScanLine(y - 1);
        const uchar *row = rgb.constScanLine(y);
        const uchar *below = rgb.constScanLine(y + 1);
        for (int i = 3; i + 3 < rgb.width() * 3; ++i) {
            const int laplacian = 4 * row[i] - row[i - 3] - row[i + 3] - above[i] - below[i];
            energy += double(laplacian) * laplacian;
        }
    }
    return energy;
}

double meanAbsoluteDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(x.constScanLine(row)[i] - y.constScanLine(row)[i]);
    return sum / (double(x.width()) * x.height() * 3);
}
