// SPDX-License-Identifier: MIT
#include "imaging/PictureEdits.h"

#include "imaging/Sharpen.h"

namespace PictureEdits {
Outcome sharpen(DecodedImage &picture, int amount)
{
    if (picture.image.isNull() || amount < Sharpen::MinAmount || amount > Sharpen::MaxAmount)
        return Outcome::Failed;
    if (amount == 0)
        return Outcome::Unchanged;
    QImage filtered = Sharpen::sharpened(picture.image, amount);
    if (filtered.isNull())
        return Outcome::Failed;
    if (filtered.format() != picture.image.format()) // a palette image became a colour one
        picture.bitsPerPixel = filtered.hasAlphaChannel() ? 32 : 24;
    picture.image = std::move(filtered);
    return Outcome::Changed;
}

Outcome convertColorDepth(DecodedImage &picture, int bitsPerPixel)
{
    if (picture.image.isNull() || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return Outcome::Failed;
    if (picture.bitsPerPixel == bitsPerPixel)
        return Outcome::Unchanged;
    const QImage::Format format =
        bitsPerPixel == 24
            ? QImage::Format_BGR888
            : (picture.image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage converted = picture.image.convertToFormat(format);
    if (converted.isNull())
        return Outcome::Failed;
    picture = {std::move(converted), bitsPerPixel};
    return Outcome::Changed;
}
} // namespace PictureEdits
