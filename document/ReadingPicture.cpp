// SPDX-License-Identifier: MIT
#include "document/ReadingPicture.h"

#include "cleanup/LensBlur.h"
#include "cleanup/PrintOnPaper.h"
#include "cleanup/SheetFinder.h"
#include "document/GreyMatrix.h"
#include "document/ReadingScale.h"

#include <cmath>
#include <opencv2/imgproc.hpp>
#include <optional>
#include <vector>

namespace {
using PrintOnPaper::PaperLevel;

// The outline found takes in the sheet's blurred edge and its shadow; they lie within this many
// pixels inside it, and are left out with the desk. Print keeps a wider margin.
constexpr float EdgeInset = 20;

// The rows of the band, a fifth of the picture's height, that holds the most ink.
QRect busiestBand(const cv::Mat &level)
{
    cv::Mat ink;
    cv::threshold(level, ink, PaperLevel / 2, 1, cv::THRESH_BINARY_INV);
    cv::Mat rows;
    cv::reduce(ink, rows, 1, cv::REDUCE_SUM, CV_32S);
    // A row more than half inked is a rule or a shadow, not print.
    for (int y = 0; y < rows.rows; ++y) {
        if (rows.at<int>(y) > level.cols / 2)
            rows.at<int>(y) = 0;
    }
    const int height = std::max(1, level.rows / 5);
    int sum = 0;
    int best = 0;
    int bestTop = 0;
    for (int y = 0; y < level.rows; ++y) {
        sum += rows.at<int>(y);
        if (y >= height)
            sum -= rows.at<int>(y - height);
        if (sum > best) {
            best = sum;
            bestTop = std::max(0, y - height + 1);
        }
    }
    return QRect(0, bestTop, level.cols, std::min(height, level.rows - bestTop));
}

// The desk painted over with paper, so that only the sheet is read.
void leaveOutTheDesk(cv::Mat &grey, const SheetOutline &sheet)
{
    QPointF centre;
    for (const QPointF &corner : sheet.corners)
        centre += corner / 4;
    std::vector<cv::Point> inside;
    for (const QPointF &corner : sheet.corners) {
        const QPointF towards = centre - corner;
        const QPointF moved = corner + towards * (EdgeInset / std::hypot(towards.x(), towards.y()));
        inside.emplace_back(int(std::lround(moved.x())), int(std::lround(moved.y())));
    }
    cv::Mat mask(grey.size(), CV_8U, cv::Scalar(255));
    cv::fillConvexPoly(mask, inside, cv::Scalar(0));
    grey.setTo(cv::Scalar(sheet.paper), mask);
}

// The part of the picture the sheet covers: all of it when no sheet was found.
cv::Rect sheetArea(const cv::Mat &grey, const std::optional<SheetOutline> &sheet)
{
    const cv::Rect whole(0, 0, grey.cols, grey.rows);
    if (!sheet)
        return whole;
    std::vector<cv::Point2f> corners;
    for (const QPointF &corner : sheet->corners)
        corners.emplace_back(float(corner.x()), float(corner.y()));
    return cv::boundingRect(corners) & whole;
}
} // namespace

ReadingPicture::ReadingPicture(const QImage &picture, double enlargement, Desk desk)
{
    const QImage greyPicture = picture.convertToFormat(QImage::Format_Grayscale8);
    cv::Mat grey = greyMatrix(greyPicture).clone();
    const std::optional<SheetOutline> sheet =
        desk == Desk::MayShow ? SheetFinder::find(greyPicture) : std::nullopt;
    if (sheet)
        leaveOutTheDesk(grey, *sheet);
    const cv::Rect crop = sheetArea(grey, sheet);
    const cv::Mat even = PrintOnPaper::evenlyLit(grey(crop));
    // The lines are measured unsharpened: the mask's grain broke their measure.
    m_lines = measurePrintLines(greyImage(even));
    const cv::Mat lit = LensBlur::sharpened(even, enlargement);
    m_factor = ReadingScale::factorFor(m_lines.xHeight);

    // Turned about the area's centre and scaled, then moved to start at the image's origin.
    QTransform turn;
    turn.rotate(m_lines.quarterTurns * 90 + m_lines.skew);
    turn.scale(m_factor, m_factor);
    turn.translate(-crop.width / 2.0, -crop.height / 2.0);
    const QRectF bounds = turn.mapRect(QRectF(0, 0, crop.width, crop.height));
    const QTransform toImage = turn * QTransform::fromTranslate(-bounds.left(), -bounds.top());
    m_toImage = QTransform::fromTranslate(-crop.x, -crop.y) * toImage;

    const cv::Mat affine = (cv::Mat_<double>(2, 3) << toImage.m11(), toImage.m21(), toImage.dx(),
                            toImage.m12(), toImage.m22(), toImage.dy());
    cv::Mat level;
    cv::warpAffine(lit, level, affine,
                   cv::Size(int(std::ceil(bounds.width())), int(std::ceil(bounds.height()))),
                   m_factor > 1 ? cv::INTER_CUBIC : cv::INTER_LINEAR, cv::BORDER_CONSTANT,
                   cv::Scalar(PaperLevel));
    m_image = greyImage(level).copy();
    m_sampleBand = busiestBand(level);
    m_uprightConfidence = ::uprightConfidence(m_image, imageXHeight());
}

QRect ReadingPicture::sampleBand(bool upsideDown) const
{
    if (!upsideDown)
        return m_sampleBand;
    return QRect(0, m_image.height() - m_sampleBand.bottom() - 1, m_sampleBand.width(),
                 m_sampleBand.height());
}

QImage ReadingPicture::image(bool upsideDown) const
{
    return upsideDown ? m_image.mirrored(true, true) : m_image;
}

QPointF ReadingPicture::toPicture(QPointF point, bool upsideDown) const
{
    if (upsideDown)
        point = QPointF(m_image.width(), m_image.height()) - point;
    return m_toImage.inverted().map(point);
}

double ReadingPicture::turn(bool upsideDown) const
{
    const double degrees = m_lines.quarterTurns * 90 + m_lines.skew + (upsideDown ? 180 : 0);
    return std::fmod(degrees + 360, 360);
}
