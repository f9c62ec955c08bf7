// SPDX-License-Identifier: MIT
#include "picture/ImageHolder.h"

#include "imaging/BmpCodec.h"
#include "imaging/ImageCodecs.h"
#include "link/MemoryBlock.h"
#include "picture/ImageMemory.h"
#include "picture/PictureLogging.h"

#include <QCoreApplication>

#include <atomic>
#include <new>
#include <system_error>
#include <thread>

namespace {
constexpr short Succeeded = 0;
constexpr short Failed = 1;
constexpr short CommentItem = 3;

short result(bool ok)
{
    return ok ? Succeeded : Failed;
}

// A file's buffers are used once: they go back to the system when freed, and a refused file of
// hundreds of megabytes does not stay resident. Running out of memory refuses the file.
std::optional<DecodedImage> decodeFile(const QString &path)
{
    const ImageMemory::FreshBlocks freshBlocks;
    try {
        return ImageCodecs::loadFile(path);
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

// A large file takes seconds to decode; on a thread of its own, while this thread's events run,
// the windows are still drawn and the session still hears from the program. Returns once it is
// decoded, as a plain call would.
std::optional<DecodedImage> loadWhileEventsRun(const QString &path)
{
    std::optional<DecodedImage> decoded;
    std::atomic<bool> done = false;
    std::optional<std::thread> worker;
    try {
        worker.emplace([&] {
            decoded = decodeFile(path);
            done = true;
            // Wakes the loop below, which may be waiting for an event.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        return decodeFile(path); // no thread to be had: here, then
    }
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    worker->join();
    return decoded;
}
} // namespace

void ImageHolder::SetImageHandle(long handle)
{
    if (handle != 0)
        return;
    m_image = {};
    imageChanged();
}

short ImageHolder::GetBitsPerPixel() const
{
    return short(m_image.image.isNull() ? 0 : m_image.bitsPerPixel);
}

short ImageHolder::Sharpen(short amount)
{
    return applyEdit(PictureEdits::sharpen(m_image, amount));
}

short ImageHolder::SaveFile(const QString &path, short format, short, short quality, short)
{
    m_saveError.clear();
    if (m_image.image.isNull())
        return Failed;
    ImageCodecs::FileFormat fileFormat = ImageCodecs::FileFormat::Jpeg;
    if (format == ImageFormatBmp)
        fileFormat = ImageCodecs::FileFormat::Bmp;
    else if (format == ImageFormatPng)
        fileFormat = ImageCodecs::FileFormat::Png;
    else if (format != ImageFormatJpeg)
        return Failed;
    const QByteArray bytes = ImageCodecs::encode(m_image, fileFormat, quality, m_jpegComment);
    if (bytes.isEmpty()) {
        qCWarning(lcPicture, "encoding the %dx%d picture in format %d gave no bytes",
                  m_image.image.width(), m_image.image.height(), int(format));
        return Failed;
    }
    return result(ImageCodecs::writeFileAtomically(path, bytes, &m_saveError));
}

short ImageHolder::LoadFile(const QString &path, short, short, short)
{
    return takeImage(QCoreApplication::instance() ? loadWhileEventsRun(path) : decodeFile(path));
}

short ImageHolder::ConvertColorDepth(short bitsPerPixel, short, short, short)
{
    return applyEdit(PictureEdits::convertColorDepth(m_image, bitsPerPixel));
}

short ImageHolder::LoadFromMemory(const MemoryBlock &block, short, short, long size)
{
    if (block.isNull() || size <= 0 || std::size_t(size) > block.size())
        return takeImage(std::nullopt);
    return takeImage(BmpCodec::decode(block.bytes().first(std::size_t(size))));
}

void ImageHolder::SetTextItem(short index, const QString &text)
{
    if (index == CommentItem)
        m_jpegComment = text.toUtf8();
}

short ImageHolder::applyEdit(PictureEdits::Outcome outcome)
{
    if (outcome == PictureEdits::Outcome::Changed)
        imageChanged();
    return result(outcome != PictureEdits::Outcome::Failed);
}

short ImageHolder::takeImage(std::optional<DecodedImage> image)
{
    m_image = image ? std::move(*image) : DecodedImage();
    imageChanged();
    return result(image.has_value());
}
