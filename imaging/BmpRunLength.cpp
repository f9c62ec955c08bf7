// SPDX-License-Identifier: MIT
#include "imaging/BmpRunLength.h"

#include <algorithm>
#include <cstddef>

namespace {
enum Escape : std::uint8_t
{
    EndOfLine = 0,
    EndOfBitmap = 1,
    Delta = 2,
};
} // namespace

namespace BmpRunLength {
std::int64_t boundBytes(std::int64_t width, std::int64_t height)
{
    return 4 * (width * height + height) + 2;
}

QImage decode(std::span<const std::uint8_t> stream, int width, int height, bool fourBit)
{
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.fill(0);
    const std::span<const std::uint8_t> data = stream.first(std::size_t(
        std::min<std::int64_t>(std::int64_t(stream.size()), boundBytes(width, height))));
    int x = 0;
    int y = 0; // rows of the stream, from the bottom of the picture
    // The pixel at x of the stream's row y, after checking that count pixels from there fit.
    const auto pixels = [&](int count) -> std::uint8_t * {
        if (y >= height || count > width - x)
            return nullptr;
        return image.scanLine(height - 1 - y) + x;
    };
    std::size_t i = 0;
    while (i + 2 <= data.size()) {
        const int count = data[i];
        const std::uint8_t code = data[i + 1];
        i += 2;
        if (count > 0) { // one value (two alternating nibbles of it) repeated count times
            std::uint8_t *to = pixels(count);
            if (!to)
                return {};
            for (int n = 0; n < count; ++n)
                to[n] = fourBit ? std::uint8_t(n % 2 == 0 ? code >> 4 : code & 0x0F) : code;
            x += count;
            continue;
        }
        switch (code) {
        case EndOfLine:
            if (y >= height)
                return {};
            x = 0;
            ++y;
            break;
        case EndOfBitmap:
            return image;
        case Delta: {
            if (i + 2 > data.size())
                return {};
            const int right = data[i];
            const int up = data[i + 1];
            i += 2;
            if (right > width - x || up >= height - y)
                return {};
            x += right;
            y += up;
            break;
        }
        default: { // code literal values, padded to an even number of bytes
            const std::size_t bytes = fourBit ? (code + 1u) / 2 : code;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            std::uint8_t *to = pixels(code);
            if (!to || i + padded > data.size())
                return {};
            for (int n = 0; n < code; ++n) {
                const std::uint8_t value = data[i + std::size_t(fourBit ? n / 2 : n)];
                to[n] = fourBit ? std::uint8_t(n % 2 == 0 ? value >> 4 : value & 0x0F) : value;
            }
            i += padded;
            x += code;
        }
        }
    }
    // Without an end of bitmap the stream must have reached the last pixel.
    const bool complete = (y == height && x == 0) || (y == height - 1 && x == width);
    return complete ? image : QImage();
}
} // namespace BmpRunLength
