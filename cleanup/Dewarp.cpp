// SPDX-License-Identifier: MIT
#include "cleanup/Dewarp.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"
#include "cleanup/PageTone.h"

#include <leptonica/allheaders.h>
#include <opencv2/imgproc.hpp>

namespace {
struct DewarpaRelease
{
    void operator()(L_DEWARPA *models) const { dewarpaDestroy(&models); }
};
} // namespace

namespace Dewarp {
std::optional<QImage> flatten(const QImage &page)
{
    const QImage working = ImageViews::workingForm(page);
    // Thresholded at the page's own size: the model's lines are found in it, not read.
    const ImageViews::PixPtr bilevel = ImageViews::pixOf(PageTone::blackAndWhite(working, 1));
    if (!bilevel)
        return std::nullopt;
    // One page, sampled every 30 pixels at full size, with the vertical disparity only: the
    // horizontal one needs the page's edges or columns straight, which a camera's crop is not.
    // The curvature allowed is wider than the library's own: a page's lines bow most near the
    // fold, the top ones one way and the bottom ones the other.
    std::unique_ptr<L_DEWARPA, DewarpaRelease> models(dewarpaCreate(1, 30, 1, FewestLines, 0));
    if (!models)
        return std::nullopt;
    dewarpaUseBothArrays(models.get(), 0);
    dewarpaSetCurvatures(models.get(), 250, -1, 300, -1, -1, -1);
    L_DEWARP *model = dewarpCreate(bilevel.get(), 0);
    if (!model || dewarpaInsertDewarp(models.get(), model) != 0)
        return std::nullopt;
    dewarpBuildPageModel(model, nullptr);
    dewarpaSetValidModels(models.get(), 0, 0);
    qCDebug(lcCleanup) << "dewarp model: built" << model->vsuccess << "valid" << model->vvalid
                       << "lines" << model->nlines << "curvature" << model->mincurv << "to"
                       << model->maxcurv;
    if (!model->vvalid || dewarpPopulateFullRes(model, bilevel.get(), 0, 0) != 0 ||
        !model->fullvdispar)
        return std::nullopt;
    l_int32 width = 0;
    l_int32 height = 0;
    fpixGetDimensions(model->fullvdispar, &width, &height);
    if (width < working.width() || height < working.height())
        return std::nullopt;
    // The library moves each pixel by whole rows, which tears small letters where the shift
    // steps; the same disparity is applied here between rows.
    const l_float32 *disparity = fpixGetData(model->fullvdispar);
    const int wordsPerLine = fpixGetWpl(model->fullvdispar);
    cv::Mat fromX(working.height(), working.width(), CV_32FC1);
    cv::Mat fromY(working.height(), working.width(), CV_32FC1);
    for (int y = 0; y < working.height(); ++y) {
        const l_float32 *line = disparity + std::ptrdiff_t(y) * wordsPerLine;
        auto *toX = fromX.ptr<float>(y);
        auto *toY = fromY.ptr<float>(y);
        for (int x = 0; x < working.width(); ++x) {
            toX[x] = float(x);
            toY[x] = float(y) - line[x];
        }
    }
    cv::Mat flat;
    cv::remap(ImageViews::sharedMat(working), flat, fromX, fromY, cv::INTER_LINEAR,
              cv::BORDER_CONSTANT, cv::Scalar::all(255));
    return ImageViews::imageOf(flat);
}
} // namespace Dewarp
