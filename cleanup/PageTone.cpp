// SPDX-License-Identifier: MIT
#include "cleanup/PageTone.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"
#include "cleanup/LensBlur.h"
#include "cleanup/PrintOnPaper.h"

#include <algorithm>
#include <cmath>
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
constexpr float ReadingEnlargement = 3;
// Sauvola's constant: how far below the local mean a pixel must be, by the local contrast. At
// 0.2 paper specked where the lamp falls off steeply and a spread's skew was measured wrong.
constexpr float SauvolaFactor = 0.34F;
// The page to read is thresholded at this share of Otsu's level on its evenly lit print: of the
// shares from 0.75 to 1.1, 0.85 read the benchmarks' 8-point pages best.
constexpr double ReadingShareOfOtsu = 0.85;
// The outermost pixels of a page cut at the sheet's outline are its edge blurred with the desk:
// sharpened, they came out as a black line along the page.
constexpr int SheetEdge = 2;
// Smaller, a page has no paper to judge the light by.
constexpr int SmallestPage = 16;
// The reading's measure of the darkest ink, a share of all the pixels, falls within the letters'
// blurred edges on a page of a few lines: made black there, its letters ran together. So the
// black-and-white page's ink is at most the level below which this share of the pixels Otsu's
// level counts as ink lie; on a page of body text, the reading's level is the darker.
constexpr double InkCoreShare = 0.3;

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

// The enlargement of a page of the given height up to ThresholdHeight, 1 where it is too little
// to be worth a resampling.
float enlargementFor(float largestEnlargement, int height)
{
    const float enlargement =
        std::min(largestEnlargement, float(ThresholdHeight) / float(std::max(1, height)));
    return enlargement > 1.1F ? enlargement : 1;
}

cv::Mat enlarged(const cv::Mat &grey, float enlargement)
{
    if (enlargement <= 1)
        return grey;
    // Cubic: enlarged linearly, the blurred strokes of 8-point print came out ragged, and read
    // with a quarter more characters wrong.
    cv::Mat larger;
    cv::resize(grey, larger, cv::Size(), enlargement, enlargement, cv::INTER_CUBIC);
    return larger;
}

// Otsu's level for the whole of an 8-bit grey matrix.
double otsuLevel(const cv::Mat &grey)
{
    cv::Mat unused;
    return cv::threshold(grey, unused, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
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
    const PixPtr even = evenLightPix(page.convertToFormat(QImage::Format_Grayscale8));
    if (!even)
        return {};
    const QImage level = ImageViews::imageOf(even.get());
    const cv::Mat grey =
        enlarged(ImageViews::sharedMat(level), enlargementFor(largestEnlargement, page.height()));
    // The window spans a few lines of print: about a fiftieth of the page's height.
    const int halfWindow = std::max(7, grey.rows / 100);
    const int smallest = 2 * halfWindow + 4;
    if (grey.cols < smallest || grey.rows < smallest)
        return {};
    const PixPtr thresholded = ImageViews::pixOf(ImageViews::imageOf(grey));
    Pix *result = nullptr;
    if (!thresholded || pixSauvolaBinarize(thresholded.get(), halfWindow, SauvolaFactor, 1, nullptr,
                                           nullptr, nullptr, &result) != 0)
        return {};
    return ImageViews::imageOf(PixPtr(result).get());
}

QImage readableBlackAndWhite(const QImage &page, double enlargedBy)
{
    // One threshold for the whole page, as the reading's own: with the light evened, ink and
    // paper are the same greys all over it. Sauvola's threshold, by each pixel's window, read
    // held-out 8-point pages a fifth worse than their Grey page.
    const QImage level = page.convertToFormat(QImage::Format_Grayscale8);
    if (level.width() < SmallestPage || level.height() < SmallestPage)
        return {};
    const cv::Mat lit = PrintOnPaper::dividedByLight(ImageViews::sharedMat(level));
    const int ink = std::min(PrintOnPaper::inkLevel(lit),
                             PrintOnPaper::levelBelow(lit, InkCoreShare, int(otsuLevel(lit))));
    const float enlargement = enlargementFor(ReadingEnlargement / float(enlargedBy), page.height());
    const cv::Mat grey =
        enlarged(LensBlur::sharpened(PrintOnPaper::withInkAt(lit, ink), enlargedBy), enlargement);
    const PixPtr greyPix = ImageViews::pixOf(ImageViews::imageOf(grey));
    // Leptonica makes a pixel black below the level given: the ink is the greys up to the
    // threshold.
    const PixPtr pix(
        greyPix ? pixThresholdToBinary(greyPix.get(),
                                       int(std::floor(otsuLevel(grey) * ReadingShareOfOtsu)) + 1)
                : nullptr);
    if (!pix)
        return {};
    const int edge = int(std::ceil(float(SheetEdge) * float(enlargedBy) * enlargement));
    pixSetOrClearBorder(pix.get(), edge, edge, edge, edge, PIX_CLR);
    return ImageViews::imageOf(pix.get());
}

double readableEnlargement(int height)
{
    return enlargementFor(ReadingEnlargement, height);
}
} // namespace PageTone
