// SPDX-License-Identifier: MIT
#include "imaging/ImageCodecs.h"

#include "imaging/AtomicFile.h"
#include "imaging/BmpCodec.h"
#include "imaging/ImagingLogging.h"
#include "imaging/JpegCodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <initializer_list>

namespace {
std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

bool startsWith(std::span<const std::uint8_t> file, std::initializer_list<std::uint8_t> magic)
{
    return file.size() >= magic.size() && std::equal(magic.begin(), magic.end(), file.begin());
}

// The nearest depth the program holds: 8-bit palette or grey, 24-bit BGR, or 32 bits with alpha.
DecodedImage withHeldDepth(const QImage &image)
{
    if (image.hasAlphaChannel())
        return {image.convertToFormat(QImage::Format_ARGB32), 32};
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
        return {image.convertToFormat(QImage::Format_Indexed8), 8};
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return {image.convertToFormat(QImage::Format_Grayscale8), 8};
    default:
        return {image.convertToFormat(QImage::Format_BGR888), 24};
    }
}

std::optional<DecodedImage> decodePng(std::span<const std::uint8_t> file)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()),
                                               qsizetype(file.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    // The header's size is checked before any pixel memory is taken.
    const QSize size = reader.size();
    if (!ImageLimits::acceptableSize(size.width(), size.height()))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image)) {
        qCWarning(lcImaging) << "PNG refused:" << reader.errorString();
        return std::nullopt;
    }
    DecodedImage decoded = withHeldDepth(image);
    if (decoded.image.isNull())
        return std::nullopt;
    return decoded;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    return writer.write(image) ? bytes : QByteArray();
}
} // namespace

namespace ImageCodecs {
std::optional<DecodedImage> decode(std::span<const std::uint8_t> file)
{
    if (startsWith(file, {'B', 'M'}))
        return BmpCodec::decode(file);
    if (startsWith(file, {0xFF, 0xD8, 0xFF}))
        return JpegCodec::decode(file);
    if (startsWith(file, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}))
        return decodePng(file);
    return std::nullopt;
}

std::optional<DecodedImage> loadFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.size() > ImageLimits::MaxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcImaging) << "cannot open" << path << ":" << file.errorString();
        return std::nullopt;
    }
    const QByteArray head = file.read(BmpCodec::HeadBytes);
    const std::span<const std::uint8_t> headBytes = bytesOf(head);
    QByteArray bytes;
    if (startsWith(headBytes, {'B', 'M'})) {
        // A BMP file is read for the bytes its picture needs, whatever else the file holds.
        bytes = BmpCodec::readNeeded(headBytes, info.size(), [&file](qint64 offset, qint64 length) {
            return file.seek(offset) ? file.read(length) : QByteArray();
        });
    } else {
        // From the start again: one buffer of the file's size, not the head and a copy.
        bytes = file.seek(0) ? file.readAll() : QByteArray();
        // The file may have changed between the size check and the read.
        if (bytes.size() != info.size()) {
            qCWarning(lcImaging) << "cannot read" << path << "whole:" << file.errorString();
            return std::nullopt;
        }
    }
    if (bytes.isEmpty()) {
        if (file.error() != QFileDevice::NoError)
            qCWarning(lcImaging) << "cannot read" << path << ":" << file.errorString();
        return std::nullopt;
    }
    return decode(bytesOf(bytes));
}

QByteArray encode(const DecodedImage &image, FileFormat format, int qualityFactor,
                  const QByteArray &comment)
{
    if (image.image.isNull())
        return {};
    switch (format) {
    case FileFormat::Bmp:
        return BmpCodec::encode(image);
    case FileFormat::Png:
        return encodePng(image.image);
    case FileFormat::Jpeg:
        break;
    }
    return JpegCodec::encode(image.image, qualityFactor, comment);
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *errorString)
{
    AtomicFile file(path);
    return file.open(errorString) && file.write(bytes, errorString) && file.commit(errorString);
}
} // namespace ImageCodecs
