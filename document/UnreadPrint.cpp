// SPDX-License-Identifier: MIT
#include "document/UnreadPrint.h"

#include "document/GreyMatrix.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {
// Ink is darker than half the paper's grey.
constexpr double InkLevel = 120;
// A letter's height, in small letters' heights: from an x to a tall capital with a descender.
// Specks of the paper's grain are smaller; a finger, a picture or a rule's length larger.
constexpr double SmallestLetter = 0.6;
constexpr double LargestLetter = 3.5;
// Letters this close, in small letters' heights, belong to one area: the gaps between words
// and between lines are narrower, a gutter between columns wider.
constexpr double WordGap = 2;
constexpr double LineGap = 1.5;
// Fewer letters than a short line holds are a stray mark, a page number or a drop of ink:
// reading them again would give nothing worth finding.
constexpr int FewestLetters = 12;
} // namespace

namespace UnreadPrint {
std::vector<QRect> areas(const QImage &grey, double xHeight, const std::vector<QRect> &read)
{
    if (xHeight <= 0 || grey.isNull())
        return {};
    const QImage picture = grey.convertToFormat(QImage::Format_Grayscale8);
    cv::Mat ink;
    cv::threshold(greyMatrix(picture), ink, InkLevel, 255, cv::THRESH_BINARY_INV);
    cv::Mat labels, stats, centres;
    const int count = cv::connectedComponentsWithStats(ink, labels, stats, centres, 8, CV_32S);

    const int margin = int(std::ceil(xHeight / 2));
    cv::Mat readArea(ink.size(), CV_8U, cv::Scalar(0));
    for (const QRect &box : read)
        cv::rectangle(readArea,
                      cv::Rect(box.x() - margin, box.y() - margin, box.width() + 2 * margin,
                               box.height() + 2 * margin),
                      cv::Scalar(255), cv::FILLED);

    cv::Mat letters(ink.size(), CV_8U, cv::Scalar(0));
    std::vector<cv::Rect> letterBoxes;
    for (int i = 1; i < count; ++i) {
        const int height = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        const cv::Point centre(int(centres.at<double>(i, 0)), int(centres.at<double>(i, 1)));
        if (height < SmallestLetter * xHeight || height > LargestLetter * xHeight ||
            readArea.at<uchar>(centre) != 0)
            continue;
        const cv::Rect box(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                           stats.at<int>(i, cv::CC_STAT_WIDTH), height);
        letterBoxes.push_back(box);
        cv::rectangle(letters, box, cv::Scalar(255), cv::FILLED);
    }
    if (int(letterBoxes.size()) < FewestLetters)
        return {};

    // Letters joined into lines, lines into blocks.
    cv::dilate(letters, letters,
               cv::getStructuringElement(cv::MORPH_RECT,
                                         cv::Size(int(std::lround(WordGap * xHeight)) | 1,
                                                  int(std::lround(LineGap * xHeight)) | 1)));
    cv::Mat areaLabels;
    const int areaCount = cv::connectedComponents(letters, areaLabels, 8, CV_32S);
    std::vector<cv::Rect> found(static_cast<std::size_t>(areaCount));
    std::vector<int> lettersIn(std::size_t(areaCount), 0);
    for (const cv::Rect &box : letterBoxes) {
        const auto area = std::size_t(areaLabels.at<int>(box.y, box.x));
        found[area] = lettersIn[area] == 0 ? box : (found[area] | box);
        ++lettersIn[area];
    }
    std::vector<QRect> result;
    for (std::size_t area = 1; area < found.size(); ++area) {
        if (lettersIn[area] >= FewestLetters) {
            const cv::Rect &box = found[area];
            result.emplace_back(box.x, box.y, box.width, box.height);
        }
    }
    std::sort(result.begin(), result.end(),
              [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    return result;
}
} // namespace UnreadPrint
