// SPDX-License-Identifier: MIT
#include "cleanup/SkewFinder.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"

#include <cmath>
#include <leptonica/allheaders.h>
#include <opencv2/imgproc.hpp>

namespace {
// Leptonica's sweep of angles on a copy halved, then its search on the page itself, to a
// hundredth of a degree.
constexpr int SweepReduction = 2;
constexpr int SearchReduction = 1;
constexpr float SweepStep = 1.0F;
constexpr float SearchStep = 0.01F;
// Below this confidence the print does not tell an angle (Leptonica's own bound for deskewing).
constexpr float MinimumConfidence = 3.0F;
} // namespace

namespace {
// The clockwise turn that levels the lines running roughly along the picture's rows, when the
// print tells it surely.
std::optional<double> levellingTurn(PIX *pix)
{
    float angle = 0;
    float confidence = 0;
    if (pixFindSkewSweepAndSearch(pix, &angle, &confidence, SweepReduction, SearchReduction,
                                  float(SkewFinder::Range), SweepStep, SearchStep) != 0 ||
        confidence < MinimumConfidence || std::abs(angle) > SkewFinder::Range) {
        qCInfo(lcCleanup) << "no skew measured: confidence" << confidence;
        return std::nullopt;
    }
    return double(angle);
}
} // namespace

namespace SkewFinder {
std::optional<double> find(const QImage &bilevel)
{
    if (bilevel.format() != QImage::Format_Mono || bilevel.height() < 64 || bilevel.width() < 64)
        return std::nullopt;
    const ImageViews::PixPtr pix = ImageViews::pixOf(bilevel);
    if (!pix)
        return std::nullopt;
    if (const std::optional<double> angle = levellingTurn(pix.get()))
        return angle;
    // A page lying sideways has its lines along the columns: measured turned a quarter, the same
    // clockwise turn stands them plumb.
    const ImageViews::PixPtr quarterTurned(pixRotateOrth(pix.get(), 1));
    return quarterTurned ? levellingTurn(quarterTurned.get()) : std::nullopt;
}

QImage rotate(const QImage &page, double degrees)
{
    const QImage source = ImageViews::workingForm(page);
    if (source.isNull() || degrees == 0)
        return source;
    // OpenCV turns counter-clockwise for a positive angle.
    const cv::Point2f centre(float(source.width() - 1) / 2, float(source.height() - 1) / 2);
    const cv::Mat turn = cv::getRotationMatrix2D(centre, -degrees, 1.0);
    cv::Mat turned;
    cv::warpAffine(ImageViews::sharedMat(source), turned, turn, {source.width(), source.height()},
                   cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return ImageViews::imageOf(turned);
}
} // namespace SkewFinder
