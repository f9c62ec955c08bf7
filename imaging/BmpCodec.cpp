// SPDX-License-Identifier: MIT
#include "imaging/BmpCodec.h"

#include "imaging/BmpRunLength.h"

#include <QBuffer>
#include <QImageReader>
#include <QList>

#include <algorithm>
#include <cstring>
#include <new>

// 32-bit QImage formats are read and written as the B, G, R, A bytes of BMP files.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "BMP rows are copied as they lie in memory");

namespace {
constexpr std::int64_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;

enum Compression : std::uint32_t
{
    Uncompressed = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
};

std::uint32_t le16(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

std::uint32_t le32(const std::uint8_t *p)
{
    return le16(p) | le16(p + 2) << 16;
}

void put16(std::uint8_t *p, std::uint32_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t *p, std::uint32_t v)
{
    put16(p, v & 0xFFFF);
    put16(p + 2, v >> 16);
}

// What the headers say about the picture, after checking that it is all inside the file.
struct BmpLayout
{
    std::int64_t width = 0;
    std::int64_t height = 0; // number of rows, positive
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = Uncompressed;
    std::uint32_t headerSize = 0;
    std::int64_t pixelOffset = 0;
    std::int64_t stride = 0;
    std::int64_t paletteOffset = 0;
    std::int64_t paletteEntries = 0;
    std::int64_t paletteEntrySize = 4;
    std::int64_t headersEnd = 0; // after the palette
};

// The info header versions Qt reads; all begin with the same 40 bytes.
bool isKnownInfoHeader(std::uint32_t size)
{
    return size == InfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

bool isKnownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool compressionFits(std::uint32_t compression, int bits, bool topDown)
{
    switch (compression) {
    case Uncompressed:
        return true;
    case Rle8:
        return bits == 8 && !topDown;
    case Rle4:
        return bits == 4 && !topDown;
    case BitFields:
        return bits == 16 || bits == 32;
    default: // embedded JPEG or PNG and the rarer variants
        return false;
    }
}

bool isRunLength(const BmpLayout &layout)
{
    return layout.compression == Rle8 || layout.compression == Rle4;
}

// The headers of a BMP file of fileSize bytes, from its first bytes: nothing when they are
// malformed or do not fit in head.
std::optional<BmpLayout> parseHeaders(std::span<const std::uint8_t> head, std::int64_t fileSize)
{
    const auto size = std::int64_t(head.size());
    if (size < FileHeaderSize + CoreHeaderSize || head[0] != 'B' || head[1] != 'M')
        return std::nullopt;
    const std::uint8_t *p = head.data();
    BmpLayout layout;
    layout.pixelOffset = le32(p + 10);
    layout.headerSize = le32(p + 14);
    std::uint32_t planes = 0;
    std::int64_t colorsUsed = 0;
    std::int64_t paletteEntrySize = 4;
    if (layout.headerSize == CoreHeaderSize) {
        layout.width = le16(p + 18);
        layout.height = le16(p + 20);
        planes = le16(p + 22);
        layout.bitsPerPixel = int(le16(p + 24));
        paletteEntrySize = 3;
    } else if (isKnownInfoHeader(layout.headerSize) && size >= FileHeaderSize + layout.headerSize) {
        layout.width = std::int32_t(le32(p + 18));
        const std::int64_t rows = std::int32_t(le32(p + 22));
        layout.topDown = rows < 0;
        layout.height = rows < 0 ? -rows : rows;
        planes = le16(p + 26);
        layout.bitsPerPixel = int(le16(p + 28));
        layout.compression = le32(p + 30);
        colorsUsed = le32(p + 46);
    } else {
        return std::nullopt;
    }
    if (planes != 1 || !ImageLimits::acceptableSize(layout.width, layout.height) ||
        !isKnownDepth(layout.bitsPerPixel) ||
        !compressionFits(layout.compression, layout.bitsPerPixel, layout.topDown))
        return std::nullopt;

    std::int64_t paletteEntries = 0;
    if (layout.bitsPerPixel <= 8) {
        const std::int64_t most = std::int64_t(1) << layout.bitsPerPixel;
        paletteEntries = colorsUsed == 0 ? most : colorsUsed;
        if (paletteEntries > most)
            return std::nullopt;
    }
    const std::int64_t masks =
        layout.compression == BitFields && layout.headerSize == InfoHeaderSize ? 12 : 0;
    layout.paletteOffset = FileHeaderSize + layout.headerSize + masks;
    layout.paletteEntries = paletteEntries;
    layout.paletteEntrySize = paletteEntrySize;
    layout.headersEnd = layout.paletteOffset + paletteEntries * paletteEntrySize;
    if (layout.headersEnd > size || layout.pixelOffset < layout.headersEnd ||
        layout.pixelOffset > fileSize)
        return std::nullopt;
    layout.stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    return layout;
}

// How many bytes from the pixel offset the picture is read from: its rows, or as much of a
// run-length stream as a valid one can need. Nothing when uncompressed rows do not fit in the
// file.
std::optional<std::int64_t> pixelBytesOf(const BmpLayout &layout, std::int64_t fileSize)
{
    const std::int64_t available = fileSize - layout.pixelOffset;
    if (isRunLength(layout))
        return std::min(available, BmpRunLength::boundBytes(layout.width, layout.height));
    const std::int64_t rows = layout.stride * layout.height;
    if (rows > available)
        return std::nullopt;
    return rows;
}

std::optional<BmpLayout> parseLayout(std::span<const std::uint8_t> file)
{
    std::optional<BmpLayout> layout = parseHeaders(file, std::int64_t(file.size()));
    if (!layout || !pixelBytesOf(*layout, std::int64_t(file.size())))
        return std::nullopt;
    return layout;
}

QList<QRgb> paletteOf(std::span<const std::uint8_t> file, const BmpLayout &layout)
{
    QList<QRgb> palette(qsizetype(layout.paletteEntries));
    for (qsizetype i = 0; i < palette.size(); ++i) {
        const std::uint8_t *entry =
            file.data() + layout.paletteOffset + i * layout.paletteEntrySize;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    return palette;
}

std::optional<DecodedImage> decodeRunLength(std::span<const std::uint8_t> file,
                                            const BmpLayout &layout)
{
    QImage image =
        BmpRunLength::decode(file.subspan(std::size_t(layout.pixelOffset)), int(layout.width),
                             int(layout.height), layout.compression == Rle4);
    if (image.isNull())
        return std::nullopt;
    image.setColorTable(paletteOf(file, layout));
    return DecodedImage{image, layout.bitsPerPixel};
}

// The camera's layout: bottom-up rows of blue, green, red, taken over with a row flip.
bool isPlainBottomUp24(const BmpLayout &layout)
{
    return layout.headerSize == InfoHeaderSize && !layout.topDown && layout.bitsPerPixel == 24 &&
           layout.compression == Uncompressed;
}

std::optional<DecodedImage> copyBottomUpRows(std::span<const std::uint8_t> file,
                                             const BmpLayout &layout)
{
    const int width = int(layout.width);
    const int height = int(layout.height);
    QImage image(width, height, QImage::Format_BGR888);
    if (image.isNull())
        return std::nullopt;
    const std::size_t rowBytes = std::size_t(width) * 3;
    const std::uint8_t *source = file.data() + layout.pixelOffset;
    std::uint8_t *target = image.bits();
    const qsizetype targetStride = image.bytesPerLine();
    for (int row = 0; row < height; ++row)
        std::memcpy(target + qsizetype(height - 1 - row) * targetStride,
                    source + row * layout.stride, rowBytes);
    return DecodedImage{image, 24};
}

std::optional<DecodedImage> decodeWithQt(std::span<const std::uint8_t> file,
                                         const BmpLayout &layout)
{
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()),
                                           qsizetype(file.size())));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image;
    if (!reader.read(&image) || image.size() != QSize(int(layout.width), int(layout.height)))
        return std::nullopt;

    DecodedImage decoded{QImage(), layout.bitsPerPixel};
    switch (layout.bitsPerPixel) {
    case 1:
        decoded.image = image.convertToFormat(QImage::Format_Mono);
        break;
    case 4:
    case 8:
        decoded.image = image.convertToFormat(QImage::Format_Indexed8);
        break;
    case 32:
        decoded.image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                      : QImage::Format_RGB32);
        break;
    default: // 16 and 24 bits: held and saved as 24
        decoded.image = image.convertToFormat(QImage::Format_BGR888);
        decoded.bitsPerPixel = 24;
    }
    if (decoded.image.isNull())
        return std::nullopt;
    return decoded;
}

// The image in the form it is written: the rows' bytes as they go into the file, and its depth.
struct BmpSource
{
    QImage image;
    int bits = 24;
};

BmpSource bmpSource(const DecodedImage &decoded)
{
    const QImage &image = decoded.image;
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        if (image.colorCount() > 0)
            return {image.convertToFormat(QImage::Format_Mono), 1};
        break;
    case QImage::Format_Indexed8:
        if (image.colorCount() > 0)
            return {image, decoded.bitsPerPixel == 4 && image.colorCount() <= 16 ? 4 : 8};
        break;
    case QImage::Format_Grayscale8:
        return {image, 8};
    default:
        if (decoded.bitsPerPixel == 32)
            return {image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32),
                    32};
    }
    return {image.convertToFormat(QImage::Format_BGR888), 24};
}

QList<QRgb> paletteToWrite(const QImage &image)
{
    if (image.format() != QImage::Format_Grayscale8)
        return image.colorTable();
    QList<QRgb> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[i] = qRgb(i, i, i);
    return grey;
}
} // namespace

namespace BmpCodec {
std::optional<DecodedImage> decode(std::span<const std::uint8_t> file)
{
    const std::optional<BmpLayout> layout = parseLayout(file);
    if (!layout)
        return std::nullopt;
    if (isRunLength(*layout))
        return decodeRunLength(file, *layout);
    return isPlainBottomUp24(*layout) ? copyBottomUpRows(file, *layout)
                                      : decodeWithQt(file, *layout);
}

QByteArray readNeeded(std::span<const std::uint8_t> head, std::int64_t fileSize,
                      const ReadAt &readAt)
{
    const std::optional<BmpLayout> layout = parseHeaders(head, fileSize);
    const std::optional<std::int64_t> pixelBytes =
        layout ? pixelBytesOf(*layout, fileSize) : std::nullopt;
    if (!pixelBytes)
        return {};
    const QByteArray pixels = readAt(layout->pixelOffset, *pixelBytes);
    if (pixels.size() != *pixelBytes)
        return {};
    QByteArray file;
    try {
        file = QByteArray(qsizetype(layout->headersEnd + *pixelBytes), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return {};
    }
    auto *d = reinterpret_cast<std::uint8_t *>(file.data());
    std::memcpy(d, head.data(), std::size_t(layout->headersEnd));
    std::memcpy(d + layout->headersEnd, pixels.constData(), std::size_t(*pixelBytes));
    put32(d + 2, std::uint32_t(file.size()));
    put32(d + 10, std::uint32_t(layout->headersEnd));
    return file;
}

QByteArray encode(const DecodedImage &decoded)
{
    const BmpSource source = bmpSource(decoded);
    const QImage &image = source.image;
    if (image.isNull())
        return {};
    const QList<QRgb> palette = source.bits <= 8 ? paletteToWrite(image) : QList<QRgb>();
    const std::int64_t width = image.width();
    const std::int64_t height = image.height();
    const std::int64_t stride = (width * source.bits + 31) / 32 * 4;
    const std::int64_t rowBytes = (width * source.bits + 7) / 8;
    const std::int64_t pixelOffset = FileHeaderSize + InfoHeaderSize + palette.size() * 4;
    const std::int64_t total = pixelOffset + stride * height;

    QByteArray file;
    try {
        file = QByteArray(qsizetype(total), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return {};
    }
    auto *d = reinterpret_cast<std::uint8_t *>(file.data());
    std::memset(d, 0, std::size_t(pixelOffset));
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, std::uint32_t(total));
    put32(d + 10, std::uint32_t(pixelOffset));
    put32(d + 14, InfoHeaderSize);
    put32(d + 18, std::uint32_t(width));
    put32(d + 22, std::uint32_t(height));
    put16(d + 26, 1);
    put16(d + 28, std::uint32_t(source.bits));
    put32(d + 34, std::uint32_t(stride * height));
    put32(d + 46, std::uint32_t(palette.size()));
    for (qsizetype i = 0; i < palette.size(); ++i) {
        std::uint8_t *entry = d + FileHeaderSize + InfoHeaderSize + i * 4;
        entry[0] = std::uint8_t(qBlue(palette[i]));
        entry[1] = std::uint8_t(qGreen(palette[i]));
        entry[2] = std::uint8_t(qRed(palette[i]));
    }

    for (std::int64_t row = 0; row < height; ++row) {
        const std::uint8_t *from = image.constScanLine(int(height - 1 - row));
        std::uint8_t *to = d + pixelOffset + row * stride;
        if (source.bits == 4) {
            std::memset(to, 0, std::size_t(stride));
            for (std::int64_t x = 0; x < width; ++x)
                to[x / 2] |= std::uint8_t((from[x] & 0x0F) << (x % 2 == 0 ? 4 : 0));
            continue;
        }
        std::memcpy(to, from, std::size_t(rowBytes));
        std::memset(to + rowBytes, 0, std::size_t(stride - rowBytes));
    }
    return file;
}
} // namespace BmpCodec
