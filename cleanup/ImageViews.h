// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <memory>
#include <opencv2/core/mat.hpp>

struct Pix;

// The pictures of the room's libraries and Qt's, one into the other. Only the room's sources
// include this header, so that its users need neither library's headers.
namespace ImageViews {
// The picture in the form the clean-up works on: 8-bit grey when it has no colour, else RGB888.
QImage workingForm(const QImage &picture);
// The pixels of a picture of workingForm() (or Grayscale8, RGB888) as a matrix, shared: the
// picture must outlive the matrix and not be changed meanwhile.
cv::Mat sharedMat(const QImage &picture);
// A copy of an 8-bit matrix of one or three channels.
QImage imageOf(const cv::Mat &mat);

struct PixRelease
{
    void operator()(Pix *pix) const;
};
using PixPtr = std::unique_ptr<Pix, PixRelease>;

// A copy of a Grayscale8 (8-bit), RGB888 (32-bit) or Mono picture (1-bit, 1 black, whichever
// colour its table gives the bits).
PixPtr pixOf(const QImage &picture);
// A copy of an 8-bit (Grayscale8), 32-bit (RGB888) or 1-bit (Mono, 1 is black) picture; null
// for other depths.
QImage imageOf(const Pix *pix);
} // namespace ImageViews
