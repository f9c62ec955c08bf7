// SPDX-License-Identifier: MIT
#include "cleanup/Perspective.h"

#include "cleanup/ImageViews.h"

#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {
// The long side over the short one of the papers people put under a document camera.
constexpr std::array<double, 2> PaperProportions{1.41421356, 11.0 / 8.5};
// How far a measured proportion may be from a paper's to be taken for it.
constexpr double SnapTolerance = 0.05;
// Beyond this the corners are not of a sheet worth squaring (a picture of 8 000 pixels a side).
constexpr double LongestSide = 8000;

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double snapped(double proportion)
{
    double best = proportion;
    double bestError = SnapTolerance;
    for (const double paper : PaperProportions) {
        const double error = std::abs(proportion / paper - 1);
        if (error < bestError) {
            bestError = error;
            best = paper;
        }
    }
    return best;
}
} // namespace

namespace Perspective {
QSize straightenedSize(const SheetCorners &corners)
{
    const double width =
        std::max(distance(corners[0], corners[1]), distance(corners[3], corners[2]));
    const double height =
        std::max(distance(corners[0], corners[3]), distance(corners[1], corners[2]));
    if (!(width >= 1 && height >= 1) || width > LongestSide || height > LongestSide)
        return {};
    const double proportion = snapped(std::max(width, height) / std::min(width, height));
    // The longer side is kept, so that no detail is lost; the other follows the proportion.
    if (height >= width)
        return QSize(int(std::lround(height / proportion)), int(std::lround(height)));
    return QSize(int(std::lround(width)), int(std::lround(width / proportion)));
}

QImage straighten(const QImage &picture, const SheetCorners &corners, double skew, double scale)
{
    const QSize size = straightenedSize(corners) * scale;
    if (size.isEmpty() || picture.isNull() || size.width() > LongestSide ||
        size.height() > LongestSide)
        return {};
    // OpenCV puts a pixel's centre on whole coordinates; a corner is on the pixels' grid.
    std::array<cv::Point2f, 4> from;
    for (std::size_t i = 0; i < 4; ++i)
        from[i] = cv::Point2f(float(corners[i].x() - 0.5), float(corners[i].y() - 0.5));
    const float right = float(size.width()) - 0.5F;
    const float bottom = float(size.height()) - 0.5F;
    const std::array<cv::Point2f, 4> to{cv::Point2f(-0.5F, -0.5F), cv::Point2f(right, -0.5F),
                                        cv::Point2f(right, bottom), cv::Point2f(-0.5F, bottom)};
    cv::Mat transform = cv::getPerspectiveTransform(from.data(), to.data());
    if (skew != 0) {
        // Turned in the same warp: every resampling blurs small print a little more.
        const cv::Point2f centre(float(size.width() - 1) / 2, float(size.height() - 1) / 2);
        cv::Mat turn = cv::Mat::eye(3, 3, CV_64F);
        cv::getRotationMatrix2D(centre, -skew, 1.0).copyTo(turn.rowRange(0, 2));
        transform = turn * transform;
    }
    const QImage source = ImageViews::workingForm(picture);
    cv::Mat squared;
    cv::warpPerspective(ImageViews::sharedMat(source), squared, transform,
                        {size.width(), size.height()}, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return ImageViews::imageOf(squared);
}
} // namespace Perspective
