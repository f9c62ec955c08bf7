// SPDX-License-Identifier: MIT
#include "cleanup/PageTone.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"

#include <algorithm>
#include <leptonica/allheaders.h>
#include <opencv2/imgproc.hpp>

using ImageViews::PixPtr;

namespace {
// Leptonica's background tiles, the grey above which a pixel may be paper, and how many such
// pixels a tile needs: its defaults, which suit a page of 100 to 300 pixels an inch.
constexpr int TileWidth = 10;
constexpr int TileHeight = 15;
constexpr int PaperThreshold = 100;
constexpr int PaperPixels = 50;
// The background is made this grey, and the greys from PrintLevel to WhiteLevel are then spread
// over the whole range: paper white, print black. WhiteLevel is a little below the background,
// so that the paper's grain and the camera's noise come out white too.
constexpr int BackgroundLevel = 200;
constexpr int WhiteLevel = 188;
constexpr int PrintLevel = 30;
// A page is thresholded at the size where a line of small print is some twenty pixels high:
// its height made ThresholdHeight, three times a camera's page at most.
constexpr int ThresholdHeight = 2600;
// Sauvola's constant: how far below the local mean a pixel must be, by the local contrast. Less
// keeps more of small print's grey strokes, but at 0.2 paper where the lamp falls off steeply
// came out specked.
constexpr float SauvolaFactor = 0.34F;

PixPtr evenLightPix(const QImage &page)
{
    const PixPtr source = ImageViews::pixOf(ImageViews::workingForm(page));
    if (!source)
        return {};
    PixPtr even(pixBackgroundNorm(source.get(), nullptr, nullptr, TileWidth, TileHeight,
                                  PaperThreshold, PaperPixels, BackgroundLevel, 2, 1));
    if (!even) {
        // A page too small or without paper to measure: its light as it is.
        qCInfo(lcCleanup) << "the background of a page of" << page.size() << "was not found";
        even.reset(pixClone(source.get()));
    }
    return PixPtr(pixGammaTRC(nullptr, even.get(), 1.0F, PrintLevel, WhiteLevel));
}
} // namespace

namespace PageTone {
QImage evenLight(const QImage &page)
{
    const PixPtr even = evenLightPix(page);
    return even ? ImageViews::imageOf(even.get()) : QImage();
}

QImage grey(const QImage &page)
{
    return evenLight(page.convertToFormat(QImage::Format_Grayscale8));
}

QImage blackAndWhite(const QImage &page, float largestEnlargement)
{
    PixPtr even = evenLightPix(page.convertToFormat(QImage::Format_Grayscale8));
    if (!even)
        return {};
    const float enlargement =
        std::min(largestEnlargement, float(ThresholdHeight) / float(std::max(1, page.height())));
    if (enlargement > 1.1F) {
        // Cubic: enlarged linearly, the blurred strokes of 8-point print came out ragged, and
        // read with a quarter more characters wrong.
        const QImage level = ImageViews::imageOf(even.get());
        cv::Mat enlarged;
        cv::resize(ImageViews::sharedMat(level), enlarged, cv::Size(), enlargement, enlargement,
                   cv::INTER_CUBIC);
        even = ImageViews::pixOf(ImageViews::imageOf(enlarged));
    }
    // The window spans a few lines of print: about a fiftieth of the page's height.
    const int halfWindow = std::max(7, pixGetHeight(even.get()) / 100);
    const int smallest = 2 * halfWindow + 4;
    if (!even || pixGetWidth(even.get()) < smallest || pixGetHeight(even.get()) < smallest)
        return {};
    Pix *bilevel = nullptr;
    if (pixSauvolaBinarize(even.get(), halfWindow, SauvolaFactor, 1, nullptr, nullptr, nullptr,
                           &bilevel) != 0)
        return {};
    const PixPtr result(bilevel);
    return ImageViews::imageOf(result.get());
}
} // namespace PageTone
