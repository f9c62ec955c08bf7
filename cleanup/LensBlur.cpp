// SPDX-License-Identifier: MIT
#include "cleanup/LensBlur.h"

#include <opencv2/imgproc.hpp>

namespace {
constexpr double BlurSigma = 1.0;
constexpr double Sharpening = 2.0;
} // namespace

namespace LensBlur {
cv::Mat sharpened(const cv::Mat &grey, double scale)
{
    cv::Mat blurred;
    cv::GaussianBlur(grey, blurred, cv::Size(), BlurSigma * scale);
    cv::Mat sharp;
    cv::addWeighted(grey, 1 + Sharpening, blurred, -Sharpening, 0, sharp);
    return sharp;
}
} // namespace LensBlur
