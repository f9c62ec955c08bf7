// SPDX-License-Identifier: MIT
#include "cleanup/PrintOnPaper.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>

namespace {
// The light across the page is judged on a quarter of the picture, closed over a square wider
// than the strokes of any body text and most headings: what is left is the paper.
constexpr double LightReduction = 0.25;
constexpr int LightSquare = 9;
// Dark means darker than all but this share of the pixels.
constexpr double InkShare = 0.005;
} // namespace

namespace PrintOnPaper {
cv::Mat dividedByLight(const cv::Mat &grey)
{
    cv::Mat light;
    cv::resize(grey, light, cv::Size(), LightReduction, LightReduction, cv::INTER_AREA);
    cv::morphologyEx(light, light, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(LightSquare, LightSquare)));
    cv::GaussianBlur(light, light, cv::Size(), LightSquare / 2.0);
    cv::resize(light, light, grey.size(), 0, 0, cv::INTER_LINEAR);
    cv::Mat lit;
    cv::divide(grey, cv::max(light, 1), lit, PaperLevel, CV_8U);
    return lit;
}

int levelBelow(const cv::Mat &grey, double share, int upTo)
{
    const int channels[] = {0};
    const int bins[] = {256};
    const float range[] = {0, 256};
    const float *ranges[] = {range};
    cv::Mat histogram;
    cv::calcHist(&grey, 1, channels, cv::Mat(), histogram, 1, bins, ranges);
    double counted = 0;
    for (int level = 0; level <= upTo; ++level)
        counted += histogram.at<float>(level);
    double below = 0;
    for (int level = 0; level <= upTo; ++level) {
        below += histogram.at<float>(level);
        if (below > share * counted)
            return level;
    }
    return upTo;
}

cv::Mat withInkAt(const cv::Mat &lit, int ink)
{
    ink = std::min(ink, int(PaperLevel) - 1);
    cv::Mat stretched;
    lit.convertTo(stretched, CV_8U, PaperLevel / (PaperLevel - ink),
                  -ink * PaperLevel / (PaperLevel - ink));
    return stretched;
}

int inkLevel(const cv::Mat &lit)
{
    return levelBelow(lit, InkShare);
}

cv::Mat evenlyLit(const cv::Mat &grey)
{
    const cv::Mat lit = dividedByLight(grey);
    return withInkAt(lit, inkLevel(lit));
}
} // namespace PrintOnPaper
