// SPDX-License-Identifier: MIT
#include "cleanup/Dewarp.h"
#include "cleanup/PageTone.h"
#include "cleanup/Perspective.h"
#include "cleanup/SheetFinder.h"
#include "cleanup/SkewFinder.h"
#include "cleanup/SpreadSplit.h"
#include "sim/TypesetSheet.h"
#include "tests/support/CornerOverlap.h"
#include "tests/support/LineBow.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryFile>
#include <QTransform>

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
const QString Prose = QStringLiteral(
    "The harbour master kept a ledger of every ship that came in, with its cargo, its crew and "
    "the weather of the crossing. Most entries were short: a name, a date, a few barrels of "
    "salted fish or a load of timber from the northern forests. Now and then a longer note "
    "told of a storm, a mast lost off the cape, or a sailor left behind in a foreign port.\n\n"
    "When the old building was pulled down, the ledgers were found in a chest under the "
    "stairs, their pages yellow but still readable. The town library took them in, and a "
    "group of volunteers began to copy them out by hand, a page every evening, until the "
    "whole history of the port could be searched by anyone who cared to look.\n\n");

struct OutlineCase
{
    const char *name;
    SheetSetup setup;
    // The sheet runs off the picture: its shape is unknown.
    bool cutOff = false;
};

SheetSetup sheetOn(int desk, double skew, double keystone)
{
    SheetSetup setup;
    setup.text = Prose.repeated(3);
    setup.desk = desk;
    setup.skew = skew;
    setup.keystone = keystone;
    setup.fill = 80;
    return setup;
}

class SheetOnTheDesk : public testing::TestWithParam<OutlineCase>
{};

// The outline is the sheet's, on desks dark to light, past a finger; none without a sheet, nor
// when the frame cuts the sheet off.
TEST_P(SheetOnTheDesk, isFoundWhereItLies)
{
    const SheetSetup &setup = GetParam().setup;
    const TypesetSheet scene = typesetSheet(setup);
    const std::optional<SheetOutline> found = SheetFinder::find(scene.picture);
    if (setup.pages == 0 || GetParam().cutOff) {
        EXPECT_FALSE(found);
        return;
    }
    ASSERT_TRUE(found);
    EXPECT_GE(overlapOf(found->corners, scene.corners), 0.98);
    // Its sides lie along the sheet's edges: what the page is squared by must leave no skew.
    for (std::size_t i = 0; i < 4; ++i) {
        const QLineF side(found->corners[i], found->corners[(i + 1) % 4]);
        const QLineF edge(scene.corners[i], scene.corners[(i + 1) % 4]);
        EXPECT_LT(std::abs(std::remainder(side.angleTo(edge), 360.0)), 0.05) << "side " << i;
    }
}

OutlineCase withFinger()
{
    SheetSetup setup = sheetOn(70, -6, 5);
    setup.finger = SheetSetup::Side::Bottom;
    return {"FingerAtTheBottomEdge", setup};
}

// Nearly level, a sheet's edges run along the rows and columns of the picture.
OutlineCase nearlyLevelPastAFinger()
{
    SheetSetup setup = sheetOn(50, 0.6, 0);
    setup.finger = SheetSetup::Side::Right;
    return {"NearlyLevelPastAFinger", setup};
}

OutlineCase unevenlyLit()
{
    SheetSetup setup = sheetOn(120, 9, 8);
    setup.falloff = 40;
    setup.lamp = SheetSetup::Side::Left;
    setup.offset = QPointF(-120, 30);
    return {"LightDeskLitFromOneSide", setup};
}

OutlineCase noSheet()
{
    SheetSetup setup = sheetOn(90, 0, 0);
    setup.pages = 0;
    return {"NoSheet", setup};
}

OutlineCase cutOffByTheFrame()
{
    SheetSetup setup = sheetOn(60, 2, 0);
    setup.offset = QPointF(500, 0);
    return {"CutOffByTheFrame", setup, true};
}

INSTANTIATE_TEST_SUITE_P(Desks, SheetOnTheDesk,
                         testing::Values(OutlineCase{"DarkDesk", sheetOn(25, 4, 0)},
                                         OutlineCase{"MidGreyDeskKeystoned", sheetOn(110, -3, 10)},
                                         OutlineCase{"LightDesk", sheetOn(215, 7, 4)}, withFinger(),
                                         nearlyLevelPastAFinger(), unevenlyLit(), noSheet(),
                                         cutOffByTheFrame()),
                         [](const auto &info) { return std::string(info.param.name); });

// A squared page of small print has no desk around it; the block of print, darker than the
// margin around it, is no sheet.
TEST(SheetOnTheDesk, isNotABlockOfSmallPrint)
{
    SheetSetup setup = sheetOn(40, 0, 0);
    setup.text = Prose.repeated(12);
    setup.points = 8;
    const TypesetSheet scene = typesetSheet(setup);
    EXPECT_FALSE(SheetFinder::find(Perspective::straighten(scene.picture, scene.corners)));
}

struct SizeCase
{
    const char *name;
    SheetCorners corners;
    QSize expected;
};

class StraightenedSize : public testing::TestWithParam<SizeCase>
{};

TEST_P(StraightenedSize, keepsTheLongerSideAndThePapersProportion)
{
    EXPECT_EQ(Perspective::straightenedSize(GetParam().corners), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, StraightenedSize,
    testing::Values(
        // A4 seen with the far edge narrowed and shortened: A4 again, at the near side's length.
        SizeCase{"KeystonedA4",
                 {QPointF(130, 100), QPointF(763, 100), QPointF(793, 1080), QPointF(100, 1080)},
                 QSize(693, 980)},
        SizeCase{"LetterLandscape",
                 {QPointF(0, 0), QPointF(1100, 0), QPointF(1100, 840), QPointF(0, 840)},
                 QSize(1100, 850)},
        // A square card is no paper size: kept as found.
        SizeCase{"SquareAsFound",
                 {QPointF(10, 10), QPointF(410, 10), QPointF(410, 410), QPointF(10, 410)},
                 QSize(400, 400)},
        SizeCase{"Degenerate", {QPointF(5, 5), QPointF(5, 5), QPointF(5, 5), QPointF(5, 5)}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Straighten, cropsTheDeskAway)
{
    const TypesetSheet scene = typesetSheet(sheetOn(20, 8, 6));
    const QImage page = Perspective::straighten(scene.picture, scene.corners);
    ASSERT_EQ(page.size(), Perspective::straightenedSize(scene.corners));
    // All four corners of the squared page are paper, none the black desk.
    for (const QPoint at :
         {QPoint(3, 3), QPoint(page.width() - 4, 3), QPoint(page.width() - 4, page.height() - 4),
          QPoint(3, page.height() - 4)})
        EXPECT_GT(qGray(page.pixel(at)), 180) << at.x() << "," << at.y();
}

// Turned in the squaring warp, the page lies as one squared and then turned, a little sharper.
TEST(Straighten, turnsThePageInTheSameWarp)
{
    const TypesetSheet scene = typesetSheet(sheetOn(60, 5, 6));
    const QImage once = Perspective::straighten(scene.picture, scene.corners, 2.5)
                            .convertToFormat(QImage::Format_Grayscale8);
    const QImage twice =
        SkewFinder::rotate(Perspective::straighten(scene.picture, scene.corners), 2.5)
            .convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(once.size(), twice.size());
    double difference = 0;
    double onceSharpness = 0;
    double twiceSharpness = 0;
    for (int y = 0; y < once.height(); ++y) {
        const uchar *a = once.constScanLine(y);
        const uchar *b = twice.constScanLine(y);
        for (int x = 1; x < once.width(); ++x) {
            difference += std::abs(a[x] - b[x]);
            onceSharpness += std::pow(a[x] - a[x - 1], 2);
            twiceSharpness += std::pow(b[x] - b[x - 1], 2);
        }
    }
    EXPECT_LT(difference / (double(once.width()) * once.height()), 8);
    EXPECT_GT(onceSharpness, 1.05 * twiceSharpness);
}

class Skew : public testing::TestWithParam<double>
{};

// Upright or lying sideways, with its lines running down the page.
TEST_P(Skew, isMeasuredWithinAFifthOfADegree)
{
    const TypesetSheet sheet = typesetSheet(sheetOn(30, 0, 0));
    const QImage straight = Perspective::straighten(sheet.picture, sheet.corners);
    for (const QImage &page : {straight, straight.transformed(QTransform().rotate(90))}) {
        const QImage leaning = SkewFinder::rotate(page, -GetParam());
        const std::optional<double> angle =
            SkewFinder::find(PageTone::blackAndWhite(leaning, SkewFinder::MeasuringEnlargement));
        ASSERT_TRUE(angle) << page.width() << "x" << page.height();
        EXPECT_NEAR(*angle, GetParam(), 0.2) << page.width() << "x" << page.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, Skew, testing::Values(-9.5, -2.3, 0.0, 0.7, 6.1),
                         [](const auto &info) {
                             const int tenths = int(std::lround(info.param * 10));
                             return (tenths < 0 ? "Minus" : "Plus") +
                                    std::to_string(std::abs(tenths)) + "TenthsOfADegree";
                         });

TEST(Skew, isNotMeasuredOnABlankPage)
{
    QImage blank(800, 1100, QImage::Format_Grayscale8);
    blank.fill(235);
    EXPECT_FALSE(
        SkewFinder::find(PageTone::blackAndWhite(blank, SkewFinder::MeasuringEnlargement)));
}

// A picture mostly of desk has tiles without paper to even the light by: Leptonica says so on
// standard error, where a headless capture's caller reads only the program's own messages.
TEST(EvenLight, saysNothingOnStandardErrorWherePaperIsMissing)
{
    QImage desk(1272, 1024, QImage::Format_Grayscale8);
    desk.fill(30);
    QPainter(&desk).fillRect(QRect(900, 0, 372, 300), QColor(230, 230, 230));
    QTemporaryFile errors;
    ASSERT_TRUE(errors.open());
    std::fflush(stderr);
    const int standardError = dup(STDERR_FILENO);
    dup2(errors.handle(), STDERR_FILENO);
    const QImage even = PageTone::blackAndWhite(desk, SkewFinder::MeasuringEnlargement);
    std::fflush(stderr);
    dup2(standardError, STDERR_FILENO);
    close(standardError);
    EXPECT_FALSE(even.isNull());
    QFile written(errors.fileName());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray());
}

// The page measured and the page shown, whose edge is the sheet's, blurred with the desk.
TEST(BlackAndWhite, keepsThePaperWhiteWhereTheLampFallsOff)
{
    SheetSetup setup = sheetOn(30, 0, 0);
    setup.falloff = 80;
    setup.lamp = SheetSetup::Side::Left;
    const TypesetSheet scene = typesetSheet(setup);
    const QImage page = Perspective::straighten(scene.picture, scene.corners);
    for (const QImage &bilevel :
         {PageTone::blackAndWhite(page), PageTone::readableBlackAndWhite(page)}) {
        ASSERT_EQ(bilevel.format(), QImage::Format_Mono);
        // The right margin, darkest in the picture, is paper and so white.
        const QImage margin = bilevel
                                  .copy(bilevel.width() - bilevel.width() / 12, 0,
                                        bilevel.width() / 12, bilevel.height())
                                  .convertToFormat(QImage::Format_Grayscale8);
        long black = 0;
        for (int y = 0; y < margin.height(); ++y)
            for (int x = 0; x < margin.width(); ++x)
                black += qGray(margin.pixel(x, y)) < 128 ? 1 : 0;
        EXPECT_LT(double(black) / (margin.width() * margin.height()), 0.002);
    }
}

// A book open: two pages of print either side of a gutter at a known share of the width.
QImage spreadParted(double gutter)
{
    QImage spread(1400, 1000, QImage::Format_Grayscale8);
    spread.fill(245);
    QPainter painter(&spread);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(15);
    painter.setFont(font);
    const int middle = int(gutter * spread.width());
    const int apart = 40;
    painter.drawText(QRect(60, 70, middle - apart - 60, 860), Qt::TextWordWrap, Prose.repeated(2));
    painter.drawText(QRect(middle + apart, 70, spread.width() - middle - apart - 60, 860),
                     Qt::TextWordWrap, Prose.repeated(2));
    return spread;
}

class Spread : public testing::TestWithParam<double>
{};

TEST_P(Spread, partsAtTheGutterAndFollowsThePerspective)
{
    const std::optional<double> gutter = SpreadSplit::gutterOf(spreadParted(GetParam()));
    ASSERT_TRUE(gutter);
    EXPECT_NEAR(*gutter, GetParam(), 0.01);

    const SheetCorners corners{QPointF(100, 50), QPointF(900, 50), QPointF(950, 700),
                               QPointF(50, 700)};
    const auto [left, right] = SpreadSplit::pagesOf(corners, GetParam());
    EXPECT_EQ(left[0], corners[0]);
    EXPECT_EQ(right[2], corners[2]);
    EXPECT_EQ(left[1], right[0]);
    EXPECT_EQ(left[2], right[3]);
    // On the near (bottom) edge, which the camera sees undistorted, the part is proportional.
    EXPECT_NEAR(left[2].x(), 50 + GetParam() * 900, 1);
}

// A book open under the camera: the spread's outline is found, and its pages part where they
// meet.
TEST(Spread, isFoundAndPartedIntoItsPages)
{
    SheetSetup setup = sheetOn(45, 5, 6);
    setup.text.clear();
    setup.pages = 2;
    setup.fill = 88;
    const TypesetSheet book = typesetSheet(setup);
    const std::optional<SheetOutline> found = SheetFinder::find(book.picture);
    ASSERT_TRUE(found);
    EXPECT_GE(overlapOf(found->corners, book.corners), 0.98);
    const std::optional<double> gutter =
        SpreadSplit::gutterOf(Perspective::straighten(book.picture, found->corners));
    ASSERT_TRUE(gutter);
    const auto [left, right] = SpreadSplit::pagesOf(found->corners, *gutter);
    EXPECT_GE(overlapOf(left, book.pages[0]), 0.97);
    EXPECT_GE(overlapOf(right, book.pages[1]), 0.97);
}

INSTANTIATE_TEST_SUITE_P(Gutters, Spread, testing::Values(0.5, 0.44), [](const auto &info) {
    return "AtPercent" + std::to_string(int(info.param * 100));
});

// A book's page whose lines bow towards the fold is flattened to straight lines; a page with too
// few lines to tell the curl by is left as it is.
TEST(Dewarp, straightensABowedPageAndLeavesAShortNote)
{
    SheetSetup setup;
    setup.pages = 2;
    setup.text = sheetProse().repeated(2);
    setup.bend = 4;
    setup.fill = 96;
    const TypesetSheet book = typesetSheet(setup);
    const QImage bowed = Perspective::straighten(book.picture, book.pages[0]);
    const std::optional<QImage> flat = Dewarp::flatten(bowed);
    ASSERT_TRUE(flat);
    EXPECT_GT(bowOf(bowed, true), 0.5);
    EXPECT_LT(bowOf(*flat, true), bowOf(bowed, true) / 3);

    setup.text = Prose.left(300);
    const TypesetSheet note = typesetSheet(setup);
    EXPECT_FALSE(Dewarp::flatten(Perspective::straighten(note.picture, note.pages[0])));
}
} // namespace
