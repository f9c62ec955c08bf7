// SPDX-License-Identifier: MIT
#pragma once

#include "kernels/CpuPath.h"

#include <QImage>
#include <QSize>

// Reduction of a picture for display by area averaging: each output pixel is the mean of the
// source area it covers, partly covered source pixels counted by the part they cover. It is
// separable and integer: vertical weights in 1/128 (so a weighted sum of bytes fits 16 bits),
// horizontal weights in 1/512; each output pixel's weights sum exactly to one, so flat areas
// keep their value. Every path gives the same bytes; a large picture's rows are shared with
// Qt's pooled threads (RowBands).
namespace Reduction {
// The image at size, which must be no larger than the image on either side. The result is
// RGB32 for opaque images and ARGB32_Premultiplied for images with alpha, the formats the paint
// engine draws without converting. Null for an empty or larger size, or when memory is short.
QImage reduced(const QImage &image, QSize size, CpuPath path = activeCpuPath());
} // namespace Reduction
