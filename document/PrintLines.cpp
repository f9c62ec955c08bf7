// SPDX-License-Identifier: MIT
#include "document/PrintLines.h"

#include "document/DocumentLogging.h"
#include "document/GreyMatrix.h"
#include "document/PageOrientation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <leptonica/allheaders.h>
#include <memory>
#include <numbers>
#include <numeric>
#include <opencv2/imgproc.hpp>
#include <optional>
#include <vector>

namespace {
constexpr float SkewRange = 12; // degrees either way
// The page is cut into this many upright strips, so that each holds about one column's lines.
constexpr int Strips = 6;
// Lines repeat at most this many rows apart: large print on a sheet filling the picture.
constexpr std::size_t LongestPitch = 120;

struct PixDeleter
{
    void operator()(PIX *pix) const { pixDestroy(&pix); }
};
using PixPointer = std::unique_ptr<PIX, PixDeleter>;

// Ink as Leptonica's 1-bit picture, ink set.
PixPointer bitsOf(const cv::Mat &ink)
{
    PixPointer pix(pixCreate(ink.cols, ink.rows, 1));
    l_uint32 *data = pixGetData(pix.get());
    const int wordsPerLine = pixGetWpl(pix.get());
    for (int y = 0; y < ink.rows; ++y) {
        l_uint32 *line = data + std::ptrdiff_t(y) * wordsPerLine;
        const uchar *row = ink.ptr(y);
        for (int x = 0; x < ink.cols; ++x) {
            if (row[x])
                SET_DATA_BIT(line, x);
        }
    }
    return pix;
}

struct Levelling
{
    // The clockwise turn in degrees that levels lines running roughly along the picture's rows.
    double angle = 0;
    // Leptonica's confidence in it: how much more sharply the ink gathers into rows at that turn
    // than at the worst; 0 when it found none.
    double confidence = 0;
};

Levelling levelling(PIX *bits)
{
    float angle = 0;
    float confidence = 0;
    if (pixFindSkewSweepAndSearch(bits, &angle, &confidence, 1, 1, SkewRange, 0.5f, 0.01f) != 0)
        return {};
    return {angle, confidence};
}

// Leptonica is sure which way the lines run when one way's confidence reaches its own threshold
// for a skew it trusts and is at least twice the other's. On a page that is mostly margin, such
// as a short note, the lines' repetition (lineContrast) is too weak to tell, while Leptonica's
// confidence still is.
constexpr double SureConfidence = 2;
std::optional<bool> surelyAlongColumns(double across, double down)
{
    if (std::max(across, down) < SureConfidence ||
        std::max(across, down) < 2 * std::min(across, down))
        return std::nullopt;
    return down > across;
}

// Lines that repeat clearly one way and hardly the other run that way, whatever Leptonica's
// confidence says: on a page of print skewed by 7 degrees its sweep of the page turned a quarter
// was the surer one (5.4 against 2.1) and the page was read sideways.
constexpr double ClearContrast = 0.15;
std::optional<bool> clearlyAlongColumns(double across, double down)
{
    if (std::max(across, down) < ClearContrast ||
        std::max(across, down) < 4 * std::min(across, down))
        return std::nullopt;
    return down > across;
}

using Profiles = std::vector<std::vector<double>>;

// The ink's row sums once turned clockwise by degrees, in upright strips.
Profiles stripProfiles(const std::vector<cv::Point> &ink, cv::Size size, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double radius = std::hypot(size.width, size.height) / 2;
    const int rows = int(2 * radius) + 1;
    Profiles profiles(Strips, std::vector<double>(std::size_t(rows), 0));
    for (const cv::Point &p : ink) {
        const double x = p.x - size.width / 2.0;
        const double y = p.y - size.height / 2.0;
        const int strip =
            std::clamp(int((c * x - s * y + radius) * Strips / (2 * radius)), 0, Strips - 1);
        const int row = std::clamp(int(s * x + c * y + radius), 0, rows - 1);
        ++profiles[std::size_t(strip)][std::size_t(row)];
    }
    return profiles;
}

// How regularly the ink gathers into lines: the strongest repetition of each strip's row sums
// at any shift beyond the first (their autocorrelation's highest peak), over the strips weighted
// by their ink. Level lines repeat at their pitch; ink turned across the rows does not repeat,
// since the letters of neighbouring lines do not line up, and margins and columns only offset it.
double lineContrast(const Profiles &profiles)
{
    double weighted = 0;
    double total = 0;
    for (const std::vector<double> &profile : profiles) {
        const auto inked = [](double n) {
            return n > 0;
        };
        const auto first = std::find_if(profile.begin(), profile.end(), inked);
        if (first == profile.end())
            continue;
        const std::vector<double> rows(
            first, std::find_if(profile.rbegin(), profile.rend(), inked).base());
        const double sum = std::accumulate(rows.begin(), rows.end(), 0.0);
        const double mean = sum / double(rows.size());
        double energy = 0;
        for (const double row : rows)
            energy += (row - mean) * (row - mean);
        if (energy <= 0)
            continue;
        double best = 0;
        bool pastFirstDip = false;
        for (std::size_t shift = 1; shift < std::min<std::size_t>(rows.size() / 2, LongestPitch);
             ++shift) {
            double product = 0;
            for (std::size_t i = 0; i + shift < rows.size(); ++i)
                product += (rows[i] - mean) * (rows[i + shift] - mean);
            const double correlation = product / energy;
            pastFirstDip = pastFirstDip || correlation < 0;
            if (pastFirstDip)
                best = std::max(best, correlation);
        }
        weighted += sum * best;
        total += sum;
    }
    return total > 0 ? weighted / total : 0;
}

// The height of the small letters from level lines: across a line the ink is densest between
// the baseline and the top of the small letters, and thins out among the ascenders and
// descenders above and below. Each line's band is measured where its density falls to half
// (blur softens the band's edges but leaves that width), and the median over the lines,
// weighted by their ink, taken.
double smallLetterHeight(const Profiles &profiles)
{
    std::vector<std::pair<double, double>> bands; // width, ink
    for (const std::vector<double> &profile : profiles) {
        const std::size_t rows = profile.size();
        std::vector<double> smooth(rows, 0);
        for (std::size_t i = 1; i + 1 < rows; ++i)
            smooth[i] = (profile[i - 1] + 2 * profile[i] + profile[i + 1]) / 4;
        const double floor = *std::max_element(smooth.begin(), smooth.end()) / 4;
        std::size_t measuredTo = 0;
        for (std::size_t i = 1; i + 1 < rows; ++i) {
            if (i < measuredTo || smooth[i] < floor || smooth[i] < smooth[i - 1] ||
                smooth[i] <= smooth[i + 1])
                continue;
            const double half = smooth[i] / 2;
            std::size_t low = i;
            while (low > 0 && smooth[low - 1] >= half)
                --low;
            std::size_t high = i;
            while (high + 1 < rows && smooth[high + 1] >= half)
                ++high;
            measuredTo = high + 1;
            if (low == 0 || high + 1 == rows)
                continue;
            // Where the density crosses half, between whole rows.
            const double top = double(low) - (smooth[low] - half) / (smooth[low] - smooth[low - 1]);
            const double bottom =
                double(high) + (smooth[high] - half) / (smooth[high] - smooth[high + 1]);
            double ink = 0;
            for (std::size_t k = low; k <= high; ++k)
                ink += smooth[k];
            bands.emplace_back(bottom - top, ink);
        }
    }
    if (bands.empty())
        return 0;
    std::sort(bands.begin(), bands.end());
    double total = 0;
    for (const auto &band : bands)
        total += band.second;
    double below = 0;
    for (const auto &[width, ink] : bands) {
        below += ink;
        if (below >= total / 2)
            return width;
    }
    return bands.back().first;
}

cv::Mat inkOf(const cv::Mat &grey)
{
    cv::Mat ink;
    cv::threshold(grey, ink, 0, 255, cv::THRESH_BINARY_INV | cv::THRESH_OTSU);
    return ink;
}

// Ink joined to the picture's edge is no print on the page (print keeps a margin) but a finger or
// hand over the sheet, whose edge evening the light leaves dark, or what is left of the desk. A
// finger's edge across the rows of a short note made its lines be taken for columns, and its
// height for the small letters'.
void leaveOutInkAtTheEdge(cv::Mat &ink)
{
    const auto clear = [&ink](int x, int y) {
        if (ink.at<uchar>(y, x) != 0)
            cv::floodFill(ink, cv::Point(x, y), cv::Scalar(0), nullptr, cv::Scalar(), cv::Scalar(),
                          8);
    };
    for (int x = 0; x < ink.cols; ++x) {
        clear(x, 0);
        clear(x, ink.rows - 1);
    }
    for (int y = 0; y < ink.rows; ++y) {
        clear(0, y);
        clear(ink.cols - 1, y);
    }
}

// Leptonica counts ascenders with structuring elements made for print of 150 to 300 pixels an
// inch, small letters of 10 to 20 pixels. Camera print at the reading's 12 pixels left the count
// unsure on half the clean-up benchmark's pages; at 20 every page whose lines were found level
// was sure (9 at worst against the threshold of 8; 16 and 24 pixels left pages at 6.9 and 7.8).
constexpr double CountedXHeight = 20;
constexpr double LargestCountingFactor = 4;
// Enlarged no further than this many pixels: a camera page of small print comes to about 8
// million; tiny print on a large picture would come to hundreds.
constexpr double LargestCountedPixels = 16e6;

// uprightConfidence of grey once turned clockwise by degrees, its print of xHeight brought to
// the counted size.
double ascenderConfidence(const cv::Mat &grey, double degrees, double xHeight)
{
    if (grey.empty())
        return 0;
    const double wanted =
        xHeight > 0 ? std::clamp(CountedXHeight / xHeight, 0.5, LargestCountingFactor) : 1;
    const double factor =
        std::min(wanted, std::sqrt(LargestCountedPixels / (double(grey.cols) * grey.rows)));
    const cv::Point2f centre(float(grey.cols) / 2, float(grey.rows) / 2);
    cv::Mat affine = cv::getRotationMatrix2D(centre, -degrees, factor);
    const cv::Rect2f bounds =
        cv::RotatedRect(centre, cv::Size2f(float(grey.cols * factor), float(grey.rows * factor)),
                        float(-degrees))
            .boundingRect2f();
    affine.at<double>(0, 2) += bounds.width / 2 - centre.x;
    affine.at<double>(1, 2) += bounds.height / 2 - centre.y;
    cv::Mat counted;
    cv::warpAffine(grey, counted, affine,
                   cv::Size(int(std::ceil(bounds.width)), int(std::ceil(bounds.height))),
                   cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(255));
    const PixPointer bits = bitsOf(inkOf(counted));
    float confidence = 0;
    // Leptonica's own least count of ascenders and descenders, all of each word counted.
    if (pixUpDownDetect(bits.get(), &confidence, 0, 0, 0) != 0)
        return 0;
    return confidence;
}

// Where neither the lines' repetition nor Leptonica's sweep tells which way they run (a short
// note held by a finger whose edge crosses the rows), the letters do: only level lines show
// ascenders. As Leptonica's own orientation decision, the way whose count is sure and at least
// 2.5 times the other's.
constexpr double AscendersRatio = 2.5;
std::optional<bool> ascendersAlongColumns(const cv::Mat &grey, double acrossAngle,
                                          double acrossXHeight, double downAngle,
                                          double downXHeight)
{
    const double across = std::abs(ascenderConfidence(grey, acrossAngle, acrossXHeight));
    const double down = std::abs(ascenderConfidence(grey, downAngle, downXHeight));
    qCDebug(lcDocument) << "ascenders along the rows" << across << acrossXHeight
                        << "along the columns" << down << downXHeight;
    if (std::max(across, down) < PageOrientation::ConfidentAscenders ||
        std::max(across, down) < AscendersRatio * std::min(across, down))
        return std::nullopt;
    return down > across;
}
} // namespace

PrintLines measurePrintLines(const QImage &grey)
{
    cv::Mat ink = inkOf(greyMatrix(grey));
    leaveOutInkAtTheEdge(ink);
    std::vector<cv::Point> inked;
    cv::findNonZero(ink, inked);
    if (inked.empty())
        return {};

    // Lines along the rows, or along the columns: the picture turned a quarter turn.
    const PixPointer bits = bitsOf(ink);
    const PixPointer quarterTurned(pixRotateOrth(bits.get(), 1));
    const Levelling acrossLevel = levelling(bits.get());
    const Levelling downLevel = levelling(quarterTurned.get());
    const double acrossAngle = acrossLevel.angle;
    const double downAngle = downLevel.angle;
    const Profiles across = stripProfiles(inked, ink.size(), acrossAngle);
    const Profiles down = stripProfiles(inked, ink.size(), 90 + downAngle);
    const double acrossContrast = lineContrast(across);
    const double downContrast = lineContrast(down);
    qCDebug(lcDocument) << "lines level at" << acrossAngle << "contrast" << acrossContrast
                        << "confidence" << acrossLevel.confidence << "or at" << 90 + downAngle
                        << "contrast" << downContrast << "confidence" << downLevel.confidence;
    std::optional<bool> way = clearlyAlongColumns(acrossContrast, downContrast);
    if (!way)
        way = surelyAlongColumns(acrossLevel.confidence, downLevel.confidence);
    const double acrossXHeight = smallLetterHeight(across);
    const double downXHeight = smallLetterHeight(down);
    if (!way)
        way = ascendersAlongColumns(greyMatrix(grey), acrossAngle, acrossXHeight, 90 + downAngle,
                                    downXHeight);
    const bool alongColumns = way.value_or(downContrast > acrossContrast);
    PrintLines lines;
    lines.quarterTurns = alongColumns ? 1 : 0;
    lines.skew = alongColumns ? downAngle : acrossAngle;
    lines.xHeight = alongColumns ? downXHeight : acrossXHeight;
    return lines;
}

double uprightConfidence(const QImage &levelGrey, double xHeight)
{
    return ascenderConfidence(greyMatrix(levelGrey), 0, xHeight);
}
