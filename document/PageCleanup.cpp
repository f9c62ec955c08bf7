// SPDX-License-Identifier: MIT
#include "document/PageCleanup.h"

#include "cleanup/Dewarp.h"
#include "cleanup/PageTone.h"
#include "cleanup/Perspective.h"
#include "cleanup/SheetFinder.h"
#include "cleanup/SkewFinder.h"
#include "cleanup/SpreadSplit.h"
#include "document/PageOrientation.h"
#include "document/ReadingPicture.h"

#include <QThread>
#include <QThreadPool>
#include <QTransform>

#include <cmath>
#include <future>

namespace {
using PageCleanup::Enlarged;

// A skew below this is not worth the resampling: less than a pixel across a page.
constexpr double NegligibleSkew = 0.03;
// A page's text is read off a page squared at twice the camera's scale: squared at the camera's,
// a skewed or keystoned sheet's print is blurred by the resampling, and on the clean-up
// benchmark's sheets a page so read had three times as many characters wrong.
constexpr double ReadingEnlargement = 2;

QImage squared(const QImage &source, const PageEdits &edits, double skew = 0)
{
    if (edits.corners) {
        const QImage page = Perspective::straighten(source, *edits.corners, skew);
        if (!page.isNull())
            return page;
    }
    return skew != 0 ? SkewFinder::rotate(source, skew) : source;
}

// The page of edits before its colour mode, squared at up to scale times the camera's scale.
Enlarged shaped(const QImage &source, const PageEdits &edits, double scale)
{
    const double skew = std::abs(edits.skew) >= NegligibleSkew ? edits.skew : 0;
    // Only a page squared to its corners is resampled once anyway; a bowed page is flattened at
    // the scale its flattening was measured at; a page too large to enlarge stays as it is.
    Enlarged made{{}, 1};
    if (edits.corners && !edits.flatten && scale != 1)
        made = {Perspective::straighten(source, *edits.corners, skew, scale), scale};
    if (made.page.isNull())
        made = {squared(source, edits, skew), 1};
    if (edits.flatten) {
        if (std::optional<QImage> flat = Dewarp::flatten(made.page))
            made.page = *std::move(flat);
    }
    if (edits.quarterTurns != 0)
        made.page = made.page.transformed(QTransform().rotate(90.0 * edits.quarterTurns));
    return made;
}

// The height of the page of edits at the camera's scale, turned as it stands.
int uprightHeight(const QImage &source, const PageEdits &edits)
{
    const QSize size =
        edits.corners ? Perspective::straightenedSize(*edits.corners) : source.size();
    return edits.quarterTurns % 2 ? size.width() : size.height();
}
// The clockwise quarter turns that stand a squared page upright, when its letters' ascenders
// tell surely which way up it reads; the reading levels the lines by its own measure of them.
std::optional<int> uprightTurns(const QImage &page, ReadingPicture::Desk desk)
{
    const ReadingPicture reading(page, 1, desk);
    const std::optional<bool> upsideDown =
        PageOrientation::sureWay(reading.uprightConfidence(false));
    if (!upsideDown)
        return std::nullopt;
    return int(std::lround(reading.turn(*upsideDown) / 90)) % 4;
}

double skewOfPage(const QImage &page)
{
    const std::optional<double> skew =
        SkewFinder::find(PageTone::blackAndWhite(page, SkewFinder::MeasuringEnlargement));
    // Kept to a hundredth of a degree, the finder's step.
    return skew && std::abs(*skew) >= NegligibleSkew ? std::round(*skew * 100) / 100 : 0;
}
} // namespace

namespace PageCleanup {
QImage render(const QImage &source, const PageEdits &edits)
{
    if (source.isNull())
        return source;
    if (edits.colourMode == PageEdits::ColourMode::BlackAndWhite) {
        // Squared at the scale it is thresholded at, in one resampling.
        const Enlarged page =
            shaped(source, edits, PageTone::readableEnlargement(uprightHeight(source, edits)));
        return PageTone::readableBlackAndWhite(page.page, page.scale);
    }
    const QImage page = shaped(source, edits, 1).page;
    return edits.colourMode == PageEdits::ColourMode::Grey ? PageTone::grey(page) : page;
}

Enlarged renderForReading(const QImage &source, const PageEdits &edits)
{
    if (source.isNull())
        return {source, 1};
    // Every mode is read as photographed. Thresholded, small print's strokes lose letters; in the
    // Grey page's tones, whose ink and paper levels clip, the simulator's 8-point sheet came out
    // unread. The reading evens the light and stretches the ink itself.
    return shaped(source, edits, ReadingEnlargement);
}

double skewOf(const QImage &picture, const PageEdits &edits)
{
    return skewOfPage(squared(picture, edits));
}

PageEdits completed(const QImage &source, const PageEdits &edits,
                    const std::optional<std::array<QPointF, 4>> &openedCorners)
{
    PageEdits done = edits;
    if (edits.corners != openedCorners)
        done.skew = skewOf(source, edits);
    return done;
}

Suggestion suggest(const QImage &picture, const PageEdits &base, Turning turning)
{
    Suggestion suggestion;
    suggestion.edits = base;
    if (const std::optional<SheetOutline> outline = SheetFinder::find(picture))
        suggestion.edits.corners = SheetFinder::pageCorners(*outline);
    else
        suggestion.edits.corners.reset();
    suggestion.sheetFound = suggestion.edits.corners.has_value();
    const QImage page = squared(picture, suggestion.edits);
    // The skew is measured beside the page's way up, on a thread of its own: neither needs the
    // other, and together they are most of the clean-up's time.
    std::future<double> skew = std::async(std::launch::async, [&page] { return skewOfPage(page); });
    // Counted on the squared page as photographed, evened by the reading alone: the Grey tone
    // clips small print's strokes, and on a light desk left their ascenders unsure. The reading
    // levels the lines by its own measure, so the page needs no turn of its skew first.
    if (turning == Turning::ByText) {
        // A page cut at the sheet's outline has no desk left to look for.
        const auto desk =
            suggestion.sheetFound ? ReadingPicture::Desk::CutAway : ReadingPicture::Desk::MayShow;
        if (const std::optional<int> upright = uprightTurns(page, desk))
            suggestion.edits.quarterTurns = *upright;
    }
    // QImage converts large pictures on Qt's global pool and waits for it. A pool thread that
    // waits for the skew frees its place in the pool meanwhile: with every thread of the pool
    // waiting so, the skew's conversions would wait for ever.
    QThreadPool *pool = QThreadPool::globalInstance();
    const bool pooled = pool->contains(QThread::currentThread());
    if (pooled)
        pool->releaseThread();
    suggestion.edits.skew = skew.get();
    if (pooled)
        pool->reserveThread();
    return suggestion;
}

std::optional<std::pair<PageEdits, PageEdits>> splitSpread(const QImage &picture,
                                                           const PageEdits &edits)
{
    // Turned a quarter, the book lies with its gutter across the squared picture: not parted.
    if (edits.quarterTurns % 2 != 0)
        return std::nullopt;
    const QImage spread = squared(picture, edits);
    const std::optional<double> gutter = SpreadSplit::gutterOf(spread);
    if (!gutter)
        return std::nullopt;
    const SheetCorners whole = edits.corners.value_or(
        SheetCorners{QPointF(0, 0), QPointF(picture.width(), 0),
                     QPointF(picture.width(), picture.height()), QPointF(0, picture.height())});
    const auto [leftCorners, rightCorners] = SpreadSplit::pagesOf(whole, *gutter);
    PageEdits left = edits;
    left.flatten = true;
    left.corners = leftCorners;
    left.skew = skewOf(picture, left);
    PageEdits right = edits;
    right.flatten = true;
    right.corners = rightCorners;
    right.skew = skewOf(picture, right);
    // Upside down, the book's left page lies on the picture's right.
    if (edits.quarterTurns == 2)
        return std::pair{right, left};
    return std::pair{left, right};
}
} // namespace PageCleanup
