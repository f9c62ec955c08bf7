// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <opencv2/core.hpp>

// OpenCV's view of an 8-bit grey picture's pixels, and back: no copy, so the picture or matrix
// must outlive the view.
inline cv::Mat greyMatrix(const QImage &grey)
{
    Q_ASSERT(grey.format() == QImage::Format_Grayscale8);
    return cv::Mat(grey.height(), grey.width(), CV_8U, const_cast<uchar *>(grey.constBits()),
                   std::size_t(grey.bytesPerLine()));
}

inline QImage greyImage(const cv::Mat &grey)
{
    Q_ASSERT(grey.type() == CV_8U);
    return QImage(grey.data, grey.cols, grey.rows, int(grey.step), QImage::Format_Grayscale8);
}
