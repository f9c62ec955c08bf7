// SPDX-License-Identifier: MIT
#include "document/PageRecord.h"

QImage PageRecord::thumbnailOf(const QImage &picture)
{
    return picture
        .scaled(ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
