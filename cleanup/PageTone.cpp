// SPDX-License-Identifier: MIT
#include "cleanup/PageTone.h"

#include "cleanup/CleanupLogging.h"
#include "cleanup/ImageViews.h"
#include "cleanup/LensBlur.h"

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
// Sauvola's constant: how far below the local mean a pixel must be, by the local contrast. For
// the lines' measure, 0.2 specked paper where the lamp falls off steeply and measured a spread's
// skew wrong. The page to read is sharpened first and kept at 0.1: at 0.34 an 8-point page came
// out nearly empty, the darkest dots of its letters alone.
constexpr float MeasuringSauvolaFactor = 0.34F;
constexpr float ReadingSauvolaFactor = 0.1F;
// The outermost pixels of a page cut at the sheet's outline are its edge blurred with the desk:
// sharpened, they came out as a black line along the page.
constexpr int SheetEdge = 2;

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

struct Thresholding
{
    float largestEnlargement = 1;
    float sauvolaFactor = MeasuringSauvolaFactor;
    // Sharpened, and its edge left white.
    bool forReading = false;
    // The page's scale: so many times the camera's.
    double enlargedBy = 1;
};

float enlargementFor(float largestEnlargement, int height)
{
    return std::min(largestEnlargement, float(ThresholdHeight) / float(std::max(1, height)));
}

QImage bilevel(const QImage &page, const Thresholding &how)
{
    const PixPtr even = evenLightPix(page.convertToFormat(QImage::Format_Grayscale8));
    if (!even)
        return {};
    const QImage level = ImageViews::imageOf(even.get());
    cv::Mat grey = ImageViews::sharedMat(level);
    if (how.forReading)
        grey = LensBlur::sharpened(grey, how.enlargedBy);
    const float enlargement =
        enlargementFor(how.largestEnlargement / float(how.enlargedBy), page.height());
    const bool enlarged = enlargement > 1.1F;
    if (enlarged) {
        // Cubic: enlarged linearly, the blurred strokes of 8-point print came out ragged, and
        // read with a quarter more characters wrong.
        cv::Mat larger;
        cv::resize(grey, larger, cv::Size(), enlargement, enlargement, cv::INTER_CUBIC);
        grey = larger;
    }
    // The window spans a few lines of print: about a fiftieth of the page's height.
    const int halfWindow = std::max(7, grey.rows / 100);
    const int smallest = 2 * halfWindow + 4;
    if (grey.cols < smallest || grey.rows < smallest)
        return {};
    const PixPtr thresholded = ImageViews::pixOf(ImageViews::imageOf(grey));
    Pix *result = nullptr;
    if (!thresholded || pixSauvolaBinarize(thresholded.get(), halfWindow, how.sauvolaFactor, 1,
                                           nullptr, nullptr, nullptr, &result) != 0)
        return {};
    const PixPtr bilevelPix(result);
    if (how.forReading) {
        const int edge =
            int(std::ceil(float(SheetEdge) * float(how.enlargedBy) * (enlarged ? enlargement : 1)));
        pixSetOrClearBorder(bilevelPix.get(), edge, edge, edge, edge, PIX_CLR);
    }
    return ImageViews::imageOf(bilevelPix.get());
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
    return bilevel(page, {largestEnlargement, MeasuringSauvolaFactor, false});
}

QImage readableBlackAndWhite(const QImage &page, double enlargedBy)
{
    return bilevel(page, {ReadingEnlargement, ReadingSauvolaFactor, true, enlargedBy});
}

double readableEnlargement(int height)
{
    const float enlargement = enlargementFor(ReadingEnlargement, height);
    return enlargement > 1.1F ? enlargement : 1;
}
} // namespace PageTone
