// SPDX-License-Identifier: MIT
#pragma once

#include <opencv2/core/mat.hpp>

// A photographed page's print against its paper, as both the reading and the black-and-white
// page see it.
namespace PrintOnPaper {
// Paper is brought to this grey level; brighter would clip the sensor's grain into white specks.
constexpr double PaperLevel = 240;
// The 8-bit grey matrix divided by the light that falls on it, paper at PaperLevel.
cv::Mat dividedByLight(const cv::Mat &grey);
// The grey level below which the given share of the pixels no lighter than upTo lie.
int levelBelow(const cv::Mat &grey, double share, int upTo = 255);
// The level of the darkest ink on a matrix of dividedByLight().
int inkLevel(const cv::Mat &lit);
// A matrix of dividedByLight() with its ink level made black and its paper kept at PaperLevel:
// a camera's tone curve and blur leave print grey, and grey print falls apart when it is made
// black and white.
cv::Mat withInkAt(const cv::Mat &lit, int ink);
// dividedByLight() with its darkest ink made black.
cv::Mat evenlyLit(const cv::Mat &grey);
} // namespace PrintOnPaper
