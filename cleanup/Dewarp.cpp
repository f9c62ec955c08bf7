// SPDX-License-Identifier: MIT
#include "cleanup/Dewarp.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"
#include "cleanup/PageTone.h"

#include <leptonica/allheaders.h>

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
    const ImageViews::PixPtr source = ImageViews::pixOf(working);
    if (!bilevel || !source)
        return std::nullopt;
    // One page, sampled every 30 pixels at full size, with the vertical disparity only: the
    // horizontal one needs the page's edges or columns straight, which a camera's crop is not.
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
    if (!model->vvalid)
        return std::nullopt;
    Pix *flat = nullptr;
    if (dewarpaApplyDisparity(models.get(), 0, source.get(), 255, 0, 0, &flat, nullptr) != 0 ||
        !flat)
        return std::nullopt;
    const ImageViews::PixPtr flattened(flat);
    const QImage result = ImageViews::imageOf(flattened.get());
    if (result.isNull())
        return std::nullopt;
    return result;
}
} // namespace Dewarp
