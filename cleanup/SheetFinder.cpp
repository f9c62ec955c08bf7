// SPDX-License-Identifier: MIT
#include "cleanup/SheetFinder.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <optional>
#include <vector>

namespace {
// The sheet's edges are found on a quarter of the picture: still a few pixels' accuracy, and
// the print's edges shrink to dots that form no long outline.
constexpr double Reduction = 0.25;
// A sheet covers between a fifth of the picture and nearly all of it; beyond that the page
// fills the view and there is no desk to leave out.
constexpr double SmallestShare = 0.2;
constexpr double LargestShare = 0.95;
// Paper is lighter than the desk by at least this many grey levels. A block of print, whose
// inside and outside are both paper, is not; nor is a block of small print, darker than the
// margin around it.
constexpr int LeastContrast = 6;
// A side's line is fitted to the edges within this many reduced pixels of the rough outline,
// away from its rounded ends.
constexpr float SideReach = 6;
constexpr float SideEnds = 0.1f;
// On the whole picture, a side's edge is looked for this many pixels either side of where the
// reduced picture put it, every few pixels along it; points further off the fitted line than
// RefineOffLine are something else's edge.
constexpr float RefineReach = 8;
constexpr float RefineStep = 4;
constexpr float RefineOffLine = 1.5f;
// The strip outside a side that must be desk, in reduced pixels from the side.
constexpr float StripNear = 4;
constexpr float StripFar = 8;
// A page is cut this many pixels inside the outline, so that no line of the desk is left at
// its edge.
constexpr double Inset = 2;

int medianOf(const cv::Mat &grey, const cv::Mat &mask)
{
    const int channels[] = {0};
    const int bins[] = {256};
    const float range[] = {0, 256};
    const float *ranges[] = {range};
    cv::Mat histogram;
    cv::calcHist(&grey, 1, channels, mask, histogram, 1, bins, ranges);
    const double half = cv::sum(histogram)[0] / 2;
    double below = 0;
    for (int level = 0; level < 256; ++level) {
        below += histogram.at<float>(level);
        if (below >= half && below > 0)
            return level;
    }
    return -1;
}

// The grey levels of bands a little inside and a little outside the outline, clear of the
// sheet's blurred edge and its shadow.
std::pair<int, int> bandLevels(const cv::Mat &grey, const std::vector<cv::Point> &outline)
{
    cv::Mat inside(grey.size(), CV_8U, cv::Scalar(0));
    cv::fillConvexPoly(inside, outline, cv::Scalar(255));
    const cv::Mat square = cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5));
    cv::Mat near, far;
    cv::erode(inside, near, square, cv::Point(-1, -1), 1);
    cv::erode(inside, far, square, cv::Point(-1, -1), 3);
    const int paper = medianOf(grey, near - far);
    cv::dilate(inside, near, square, cv::Point(-1, -1), 2);
    cv::dilate(inside, far, square, cv::Point(-1, -1), 4);
    return {paper, medianOf(grey, far - near)};
}

// Whether paper lies inside every side and something darker outside it, judged on a strip outside
// each side where the bands of bandLevels() lie. A side with paper or nothing beyond it is not
// the sheet's edge but a line of print, or the frame that cuts the sheet off.
bool everySideBordersTheDesk(const cv::Mat &grey, const std::vector<cv::Point> &quad, int paper)
{
    cv::Point2f centre;
    for (const cv::Point &corner : quad)
        centre += cv::Point2f(corner) * 0.25f;
    for (std::size_t i = 0; i < quad.size(); ++i) {
        const cv::Point2f from = quad[i];
        const cv::Point2f along = cv::Point2f(quad[(i + 1) % quad.size()]) - from;
        cv::Point2f outward = cv::Point2f(along.y, -along.x) * float(1 / cv::norm(along));
        if (outward.dot(centre - from) > 0)
            outward = -outward;
        const cv::Point2f start = from + along * SideEnds;
        const cv::Point2f end = from + along * (1 - SideEnds);
        const std::vector<cv::Point> strip{start + outward * StripNear, end + outward * StripNear,
                                           end + outward * StripFar, start + outward * StripFar};
        cv::Mat mask(grey.size(), CV_8U, cv::Scalar(0));
        cv::fillConvexPoly(mask, strip, cv::Scalar(255));
        const int outside = medianOf(grey, mask);
        if (outside < 0 || paper - outside < LeastContrast)
            return false;
    }
    return true;
}

// Where lines along the four sides meet: side i-1 and side i at corner i. None where two
// neighbouring sides run parallel.
std::vector<cv::Point2f> meetingPoints(const std::array<cv::Vec4f, 4> &sides)
{
    std::vector<cv::Point2f> corners;
    for (std::size_t i = 0; i < 4; ++i) {
        const cv::Vec4f &a = sides[(i + 3) % 4];
        const cv::Vec4f &b = sides[i];
        const float cross = a[0] * b[1] - a[1] * b[0];
        if (std::abs(cross) < 1e-3f)
            return {};
        const float t = ((b[2] - a[2]) * b[1] - (b[3] - a[3]) * b[0]) / cross;
        corners.emplace_back(a[2] + t * a[0], a[3] + t * a[1]);
    }
    return corners;
}

// The line along a side's edge points, fitted again without those off the first fit by more
// than offLine: where a finger crosses the sheet's edge, the edge found there is the finger's.
cv::Vec4f trimmedLine(const std::vector<cv::Point2f> &points, float offLine)
{
    cv::Vec4f line;
    cv::fitLine(points, line, cv::DIST_HUBER, 0, 0.01, 0.01);
    std::vector<cv::Point2f> onLine;
    for (const cv::Point2f &p : points) {
        if (std::abs((p.x - line[2]) * line[1] - (p.y - line[3]) * line[0]) <= offLine)
            onLine.push_back(p);
    }
    if (onLine.size() >= points.size() / 2)
        cv::fitLine(onLine, line, cv::DIST_HUBER, 0, 0.01, 0.01);
    return line;
}

// How far outward from at, to a fraction of a pixel, the grey changes most steeply across a
// side: the paper's edge. None where it hardly changes at all (a finger lies across the edge).
std::optional<float> steepestAcross(const cv::Mat &grey, cv::Point2f at, cv::Point2f outward)
{
    auto level = [&](float across) {
        // Positions run over the picture continuously, a pixel's centre half a pixel in.
        const cv::Point2f p = at + outward * across - cv::Point2f(0.5f, 0.5f);
        const int x = int(std::floor(p.x));
        const int y = int(std::floor(p.y));
        if (x < 0 || y < 0 || x + 1 >= grey.cols || y + 1 >= grey.rows)
            return -1.0f;
        const float fx = p.x - float(x);
        const float fy = p.y - float(y);
        const auto pixel = [&](int dx, int dy) {
            return float(grey.at<uchar>(y + dy, x + dx));
        };
        return (pixel(0, 0) * (1 - fx) + pixel(1, 0) * fx) * (1 - fy) +
               (pixel(0, 1) * (1 - fx) + pixel(1, 1) * fx) * fy;
    };
    std::vector<float> profile;
    for (float across = -RefineReach - 1; across <= RefineReach + 1; across += 1) {
        profile.push_back(level(across));
        if (profile.back() < 0)
            return std::nullopt;
    }
    const auto change = [&](std::size_t k) {
        return std::abs(profile[k + 1] - profile[k - 1]);
    };
    std::size_t steepest = 0;
    float slope = 0;
    for (std::size_t k = 1; k + 1 < profile.size(); ++k) {
        if (change(k) > slope) {
            slope = change(k);
            steepest = k;
        }
    }
    if (slope < LeastContrast || steepest == 1 || steepest + 2 == profile.size())
        return std::nullopt;
    const float before = change(steepest - 1);
    const float after = change(steepest + 1);
    const float bend = before - 2 * slope + after;
    const float offset = bend < 0 ? 0.5f * (before - after) / bend : 0;
    return float(steepest) - RefineReach - 1 + offset;
}

// The sheet's corners where lines fitted to its edges meet: along each side of the rough
// outline (whose corners the widening of the edges rounds), the edge nearest the inside at each
// step, which is the paper's own edge rather than its shadow's.
std::vector<cv::Point2f> fittedCorners(const std::vector<cv::Point> &quad, const cv::Mat &edges)
{
    std::vector<cv::Point> edge;
    cv::findNonZero(edges, edge);
    const cv::Point2f centre = (cv::Point2f(quad[0]) + cv::Point2f(quad[1]) + cv::Point2f(quad[2]) +
                                cv::Point2f(quad[3])) *
                               0.25f;
    std::array<cv::Vec4f, 4> sides;
    for (std::size_t i = 0; i < 4; ++i) {
        const cv::Point2f from = quad[i];
        const cv::Point2f along = cv::Point2f(quad[(i + 1) % 4]) - from;
        const float length = float(cv::norm(along));
        // Across the side, positive towards the inside.
        cv::Point2f inward(-along.y / length, along.x / length);
        if (inward.dot(centre - from) < 0)
            inward = -inward;
        std::vector<std::pair<float, cv::Point2f>> innermost(std::size_t(length) + 1,
                                                             {-SideReach - 1, {}});
        for (const cv::Point &p : edge) {
            const cv::Point2f d = cv::Point2f(p) - from;
            const float t = d.dot(along) / (length * length);
            const float in = d.dot(inward);
            auto &step = innermost[std::size_t(t * length)];
            if (t > SideEnds && t < 1 - SideEnds && std::abs(in) <= SideReach && in > step.first)
                step = {in, cv::Point2f(p)};
        }
        std::vector<cv::Point2f> near;
        for (const auto &[in, point] : innermost) {
            if (in >= -SideReach)
                near.push_back(point);
        }
        if (near.size() < 10)
            return {quad.begin(), quad.end()};
        cv::fitLine(near, sides[i], cv::DIST_HUBER, 0, 0.01, 0.01);
    }
    const std::vector<cv::Point2f> corners = meetingPoints(sides);
    return corners.empty() ? std::vector<cv::Point2f>(quad.begin(), quad.end()) : corners;
}

// The corners again, from the sides' edges found to a fraction of a pixel on the whole picture:
// on the reduced picture a side nearly along its rows or columns steps by whole reduced pixels,
// and a sheet's edge came out level to within a few tenths of a degree only.
std::vector<cv::Point2f> refinedCorners(const cv::Mat &grey, const std::vector<cv::Point2f> &rough)
{
    cv::Mat smooth;
    cv::GaussianBlur(grey, smooth, cv::Size(5, 5), 0);
    const cv::Point2f centre = (rough[0] + rough[1] + rough[2] + rough[3]) * 0.25f;
    std::array<cv::Vec4f, 4> sides;
    for (std::size_t i = 0; i < 4; ++i) {
        const cv::Point2f from = rough[i];
        const cv::Point2f along = rough[(i + 1) % 4] - from;
        const float length = float(cv::norm(along));
        const cv::Point2f unit = along * (1 / length);
        cv::Point2f outward(unit.y, -unit.x);
        if (outward.dot(centre - from) > 0)
            outward = -outward;
        sides[i] = cv::Vec4f(unit.x, unit.y, from.x, from.y);
        std::vector<cv::Point2f> edge;
        for (float t = SideEnds * length; t < (1 - SideEnds) * length; t += RefineStep) {
            if (const std::optional<float> across =
                    steepestAcross(smooth, from + unit * t, outward))
                edge.push_back(from + unit * t + outward * *across);
        }
        if (edge.size() >= 10)
            sides[i] = trimmedLine(edge, RefineOffLine);
    }
    const std::vector<cv::Point2f> corners = meetingPoints(sides);
    return corners.empty() ? rough : corners;
}

SheetCorners clockwiseFromTopLeft(std::vector<cv::Point2f> points)
{
    const cv::Point2f centre = (points[0] + points[1] + points[2] + points[3]) * 0.25f;
    // Image y grows downwards, so increasing angles run clockwise on screen.
    std::sort(points.begin(), points.end(), [centre](cv::Point2f a, cv::Point2f b) {
        return std::atan2(a.y - centre.y, a.x - centre.x) <
               std::atan2(b.y - centre.y, b.x - centre.x);
    });
    const auto first =
        std::min_element(points.begin(), points.end(),
                         [](cv::Point2f a, cv::Point2f b) { return a.x + a.y < b.x + b.y; });
    std::rotate(points.begin(), first, points.end());
    SheetCorners corners;
    for (std::size_t i = 0; i < corners.size(); ++i)
        corners[i] = QPointF(points[i].x, points[i].y);
    return corners;
}
} // namespace

namespace SheetFinder {
std::optional<SheetOutline> find(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    cv::Mat small;
    cv::resize(ImageViews::sharedMat(grey), small, cv::Size(), Reduction, Reduction,
               cv::INTER_AREA);
    cv::GaussianBlur(small, small, cv::Size(5, 5), 0);
    cv::Mat edges;
    // Gentle edges count: a camera's tone curve leaves a light desk only a few grey levels below
    // the paper. Averaged over four by four pixels, the sensor's grain makes none.
    cv::Canny(small, edges, 5, 15);
    // Widened, so that the sheet's edge and its shadow close into one band around it.
    cv::Mat joined;
    cv::dilate(edges, joined, cv::Mat());
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(joined, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);

    const double area = double(small.rows) * small.cols;
    struct Candidate
    {
        std::vector<cv::Point> quad;
        double area;
        int paper;
    };
    std::vector<Candidate> candidates;
    for (const std::vector<cv::Point> &contour : contours) {
        std::vector<cv::Point> hull;
        cv::convexHull(contour, hull);
        const double hullArea = cv::contourArea(hull);
        if (hullArea < SmallestShare * area || hullArea > LargestShare * area)
            continue;
        std::vector<cv::Point> quad;
        cv::approxPolyDP(hull, quad, 0.02 * cv::arcLength(hull, true), true);
        if (quad.size() != 4)
            continue;
        const auto [paper, desk] = bandLevels(small, quad);
        if (paper >= 0 && desk >= 0 && paper - desk >= LeastContrast &&
            everySideBordersTheDesk(small, quad, paper))
            candidates.push_back({quad, hullArea, paper});
    }
    if (candidates.empty()) {
        qCInfo(lcCleanup) << "no sheet found on a picture of" << picture.size();
        return std::nullopt;
    }
    const Candidate &best =
        *std::max_element(candidates.begin(), candidates.end(),
                          [](const Candidate &a, const Candidate &b) { return a.area < b.area; });
    std::vector<cv::Point2f> corners = fittedCorners(best.quad, edges);
    for (cv::Point2f &corner : corners)
        corner = (corner + cv::Point2f(0.5f, 0.5f)) * float(1 / Reduction);
    return SheetOutline{clockwiseFromTopLeft(refinedCorners(ImageViews::sharedMat(grey), corners)),
                        best.paper};
}

SheetCorners pageCorners(const SheetOutline &outline)
{
    QPointF middle;
    for (const QPointF &corner : outline.corners)
        middle += corner / 4;
    SheetCorners page;
    for (std::size_t i = 0; i < 4; ++i) {
        const QPointF inwards = middle - outline.corners[i];
        page[i] = outline.corners[i] + inwards * (Inset / std::hypot(inwards.x(), inwards.y()));
    }
    return page;
}
} // namespace SheetFinder
