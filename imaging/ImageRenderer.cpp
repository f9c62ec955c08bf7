// SPDX-License-Identifier: MIT
#include "imaging/ImageRenderer.h"

#include "imaging/Reduction.h"
#include "imaging/ZoomGeometry.h"

#include <QPainter>
#include <QRegion>

void ImageRenderer::invalidate()
{
    m_display = {};
    m_reduced = {};
}

const QImage &ImageRenderer::displayImage(const QImage &image)
{
    if (m_display.isNull() && !image.isNull())
        m_display = image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return m_display;
}

void ImageRenderer::paint(QPainter &painter, const QImage &image, const QRect &drawn,
                          const QRect &exposed, const QColor &background)
{
    for (const QRect &rect : QRegion(exposed).subtracted(QRegion(drawn)))
        painter.fillRect(rect, background);
    if (image.isNull() || drawn.isEmpty())
        return;
    const QSize imageSize = image.size();
    if (drawn.width() < imageSize.width() || drawn.height() < imageSize.height()) {
        if (m_reduced.size() != drawn.size())
            m_reduced = drawn.width() <= imageSize.width() && drawn.height() <= imageSize.height()
                            ? Reduction::reduced(image, drawn.size())
                            : displayImage(image).scaled(drawn.size(), Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation);
        const QRect part = exposed & drawn;
        painter.drawImage(part.topLeft(), m_reduced, part.translated(-drawn.topLeft()));
        return;
    }
    m_reduced = {};
    const ZoomGeometry::Piece piece = ZoomGeometry::visiblePiece(imageSize, drawn, exposed);
    if (!piece.source.isEmpty()) // no smooth transform: nearest neighbour keeps pixels crisp
        painter.drawImage(piece.target, displayImage(image), QRectF(piece.source));
}
