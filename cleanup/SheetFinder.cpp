// SPDX-License-Identifier: MIT
#include "cleanup/SheetFinder.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {
// The outline is looked for on a copy this long at most: fast, and the edges are fitted to
// better than its pixel.
constexpr int WorkingSide = 720;
// A sheet covers at least this share of the picture; less is a card or a shadow.
constexpr double MinimumArea = 0.12;
// A quadrilateral this close to the whole picture is the frame, not a sheet on a desk.
constexpr double FrameArea = 0.96;
// The outline fills its four-sided shape within this share: more or less is a sheet merged with
// a light patch of the desk, or a shape that is no sheet.
constexpr double FillTolerance = 0.1;
// Paper is at least this many grey levels lighter than the desk beside it.
constexpr double MinimumContrast = 14;
// The sheet's corners look square enough under a tilted camera.
constexpr double MinimumAngle = 55;
constexpr double MaximumAngle = 125;
constexpr double Inset = 2;
// How near the picture's edge, in working pixels, a side lies along it.
constexpr double FrameMargin = 4;

using Contour = std::vector<cv::Point>;
using Quad = std::array<cv::Point2d, 4>;

struct Candidate
{
    Quad corners;
    double contrast = 0;
    double area = 0;
};

double angleAt(const cv::Point2d &before, const cv::Point2d &at, const cv::Point2d &after)
{
    const cv::Point2d a = before - at;
    const cv::Point2d b = after - at;
    const double cosine = a.dot(b) / (std::hypot(a.x, a.y) * std::hypot(b.x, b.y));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / std::numbers::pi;
}

// The line through points fitted robustly, as a point and a direction.
std::optional<cv::Vec4f> fittedLine(const std::vector<cv::Point2f> &points)
{
    if (points.size() < 8)
        return std::nullopt;
    cv::Vec4f line;
    cv::fitLine(points, line, cv::DIST_HUBER, 0, 0.01, 0.01);
    return line;
}

std::optional<cv::Point2d> crossing(const cv::Vec4f &a, const cv::Vec4f &b)
{
    const double det = double(a[0]) * b[1] - double(a[1]) * b[0];
    if (std::abs(det) < 1e-9)
        return std::nullopt;
    const double t = ((double(b[2]) - a[2]) * b[1] - (double(b[3]) - a[3]) * b[0]) / det;
    return cv::Point2d(a[2] + t * a[0], a[3] + t * a[1]);
}

// Each side of the rough quadrilateral refitted to the outline's points along its middle, so
// that a finger over the edge, which the outline bends around, does not pull a corner.
Quad refined(const Quad &rough, const Contour &outline, double tolerance)
{
    std::array<cv::Vec4f, 4> lines;
    for (std::size_t side = 0; side < 4; ++side) {
        const cv::Point2d from = rough[side];
        const cv::Point2d to = rough[(side + 1) % 4];
        const cv::Point2d along = to - from;
        const double length = std::hypot(along.x, along.y);
        std::vector<cv::Point2f> near;
        for (const cv::Point &point : outline) {
            const cv::Point2d offset = cv::Point2d(point) - from;
            const double t = offset.dot(along) / (length * length);
            const double distance = std::abs(offset.cross(along)) / length;
            if (t > 0.08 && t < 0.92 && distance < tolerance)
                near.emplace_back(float(point.x), float(point.y));
        }
        const std::optional<cv::Vec4f> line = fittedLine(near);
        lines[side] = line ? *line
                           : cv::Vec4f(float(along.x / length), float(along.y / length),
                                       float(from.x), float(from.y));
    }
    Quad corners = rough;
    for (std::size_t corner = 0; corner < 4; ++corner)
        if (const auto point = crossing(lines[(corner + 3) % 4], lines[corner]))
            corners[corner] = *point;
    return corners;
}

// The four-sided shape of an outline, if it has one.
std::optional<Quad> quadOf(const Contour &outline, double tolerance)
{
    Contour hull;
    cv::convexHull(outline, hull);
    const double perimeter = cv::arcLength(hull, true);
    Contour approx;
    for (double share = 0.01; share <= 0.08; share += 0.005) {
        cv::approxPolyDP(hull, approx, share * perimeter, true);
        if (approx.size() <= 4)
            break;
    }
    if (approx.size() != 4)
        return std::nullopt;
    Quad rough;
    for (std::size_t i = 0; i < 4; ++i)
        rough[i] = cv::Point2d(approx[i]);
    return refined(rough, outline, tolerance);
}

// The mean grey of the pixels within a band along the quadrilateral's sides: just inside (the
// sheet's margin) less just outside (the desk).
double contrastOf(const cv::Mat &grey, const Quad &corners, int band)
{
    std::vector<cv::Point> polygon;
    for (const cv::Point2d &corner : corners)
        polygon.emplace_back(cvRound(corner.x), cvRound(corner.y));
    cv::Mat inside = cv::Mat::zeros(grey.size(), CV_8UC1);
    cv::fillConvexPoly(inside, polygon, 255);
    const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_RECT, {2 * band + 1, 2 * band + 1});
    cv::Mat shrunk;
    cv::Mat grown;
    cv::erode(inside, shrunk, kernel);
    cv::dilate(inside, grown, kernel);
    const cv::Mat innerBand = inside & ~shrunk;
    const cv::Mat outerBand = grown & ~inside;
    if (cv::countNonZero(innerBand) == 0 || cv::countNonZero(outerBand) == 0)
        return 0;
    // The median resists text reaching into the margin and a hand on the desk.
    auto median = [&](const cv::Mat &mask) {
        std::vector<uchar> values;
        for (int y = 0; y < grey.rows; ++y)
            for (int x = 0; x < grey.cols; ++x)
                if (mask.at<uchar>(y, x))
                    values.push_back(grey.at<uchar>(y, x));
        std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2),
                         values.end());
        return double(values[values.size() / 2]);
    };
    return median(innerBand) - median(outerBand);
}

// A side along the picture's edge is the frame's, not the sheet's: a light part of the desk
// that merged with the sheet, or a sheet cut off by the frame.
bool alongTheFrame(const cv::Point2d &from, const cv::Point2d &to, cv::Size size)
{
    auto near = [](double a, double b) {
        return std::abs(a - b) < FrameMargin;
    };
    const double right = size.width - 1;
    const double bottom = size.height - 1;
    return (near(from.x, 0) && near(to.x, 0)) || (near(from.y, 0) && near(to.y, 0)) ||
           (near(from.x, right) && near(to.x, right)) ||
           (near(from.y, bottom) && near(to.y, bottom));
}

bool plausible(const Quad &corners, cv::Size size)
{
    std::vector<cv::Point2f> polygon(corners.begin(), corners.end());
    if (!cv::isContourConvex(polygon))
        return false;
    const double area = cv::contourArea(polygon);
    const double whole = double(size.area());
    if (area < MinimumArea * whole || area > FrameArea * whole)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        const double angle = angleAt(corners[(i + 3) % 4], corners[i], corners[(i + 1) % 4]);
        if (angle < MinimumAngle || angle > MaximumAngle ||
            alongTheFrame(corners[i], corners[(i + 1) % 4], size))
            return false;
    }
    return true;
}

// The outlines that may be the sheet's: the light regions of Otsu's threshold, which hold on a
// dark desk, and the closed lines of the edges, which hold where desk and paper are close in
// grey.
std::vector<Contour> outlines(const cv::Mat &blurred)
{
    std::vector<Contour> found;
    cv::Mat light;
    cv::threshold(blurred, light, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    cv::morphologyEx(light, light, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, {5, 5}));
    std::vector<Contour> regions;
    cv::findContours(light, regions, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    found.insert(found.end(), regions.begin(), regions.end());

    cv::Mat edges;
    cv::Canny(blurred, edges, 20, 60);
    cv::dilate(edges, edges, cv::getStructuringElement(cv::MORPH_RECT, {3, 3}));
    std::vector<Contour> lines;
    cv::findContours(edges, lines, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    found.insert(found.end(), lines.begin(), lines.end());

    const double smallest = MinimumArea * double(blurred.total());
    std::erase_if(found, [&](const Contour &outline) {
        return cv::contourArea(outline) < smallest * 0.5 &&
               cv::boundingRect(outline).area() < smallest;
    });
    return found;
}

// Clockwise on the screen from the corner nearest the top left, each set Inset picture pixels
// towards the middle, so that no line of the desk is left at the page's edge.
SheetCorners ordered(const Quad &corners, double scale)
{
    cv::Point2d centre;
    for (const cv::Point2d &corner : corners)
        centre += corner * 0.25;
    Quad sorted = corners;
    std::sort(sorted.begin(), sorted.end(), [&](const cv::Point2d &a, const cv::Point2d &b) {
        return std::atan2(a.y - centre.y, a.x - centre.x) <
               std::atan2(b.y - centre.y, b.x - centre.x);
    });
    const auto first = std::min_element(sorted.begin(), sorted.end(),
                                        [](auto &a, auto &b) { return a.x + a.y < b.x + b.y; });
    std::rotate(sorted.begin(), first, sorted.end());
    SheetCorners result;
    const QPointF middle((centre.x + 0.5) / scale, (centre.y + 0.5) / scale);
    for (std::size_t i = 0; i < 4; ++i) {
        // A working pixel's centre is at (i + 0.5) / scale in the picture.
        const QPointF corner((sorted[i].x + 0.5) / scale, (sorted[i].y + 0.5) / scale);
        const QPointF inwards = middle - corner;
        result[i] = corner + inwards * (Inset / std::hypot(inwards.x(), inwards.y()));
    }
    return result;
}
} // namespace

namespace SheetFinder {
std::optional<SheetCorners> find(const QImage &picture)
{
    if (picture.width() < 32 || picture.height() < 32)
        return std::nullopt;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const double scale =
        std::min(1.0, double(WorkingSide) / std::max(picture.width(), picture.height()));
    cv::Mat small;
    cv::resize(ImageViews::sharedMat(grey), small, {}, scale, scale, cv::INTER_AREA);
    cv::Mat blurred;
    cv::GaussianBlur(small, blurred, {5, 5}, 0);

    const double tolerance = 0.012 * std::hypot(small.cols, small.rows);
    const int band = std::max(3, int(0.012 * std::max(small.cols, small.rows)));
    std::optional<Candidate> best;
    for (const Contour &outline : outlines(blurred)) {
        const std::optional<Quad> corners = quadOf(outline, tolerance);
        if (!corners || !plausible(*corners, small.size()))
            continue;
        const double quadArea =
            cv::contourArea(std::vector<cv::Point2f>(corners->begin(), corners->end()));
        if (std::abs(cv::contourArea(outline) / quadArea - 1) > FillTolerance)
            continue;
        const double contrast = contrastOf(small, *corners, band);
        if (contrast < MinimumContrast)
            continue;
        const double area =
            cv::contourArea(std::vector<cv::Point2f>(corners->begin(), corners->end()));
        // The largest sheet wins; a region inside it (a photograph on the page) is smaller.
        if (!best || area > 1.05 * cv::contourArea(std::vector<cv::Point2f>(best->corners.begin(),
                                                                            best->corners.end())))
            best = Candidate{*corners, contrast};
    }
    if (!best) {
        qCInfo(lcCleanup) << "no sheet found on a picture of" << picture.size();
        return std::nullopt;
    }
    return ordered(best->corners, scale);
}
} // namespace SheetFinder
