// SPDX-License-Identifier: MIT
// How a camera picture of a page is prepared for reading: the sheet found on the desk, the
// print's lines and size measured, the scale and the way up chosen.
#include "cleanup/SheetFinder.h"
#include "document/PageOrientation.h"
#include "document/PrintLines.h"
#include "document/ReadingPicture.h"
#include "document/ReadingScale.h"
#include "document/TesseractRecognizer.h"
#include "document/TextBlocks.h"
#include "document/UnreadPrint.h"
#include "tests/TestSupport.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/SimulatorPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QStringList>
#include <QTransform>

#include <cmath>
#include <gtest/gtest.h>

namespace {
struct ScaleCase
{
    const char *what;
    double xHeight;
    double factor;
};

class ReadingScaleTest : public testing::TestWithParam<ScaleCase>
{};

// Small print is enlarged, large print reduced, never beyond what adds or keeps detail.
TEST_P(ReadingScaleTest, BringsThePrintToTheSizeReadBest)
{
    EXPECT_DOUBLE_EQ(ReadingScale::factorFor(GetParam().xHeight), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadingScaleTest,
                         testing::Values(ScaleCase{"smallPrintEnlarged", 5, 2.4},
                                         ScaleCase{"bestSizeKept", 12, 1},
                                         ScaleCase{"largePrintReduced", 20, 0.6},
                                         ScaleCase{"tinyPrintEnlargedAtMost4", 2, 4},
                                         ScaleCase{"hugePrintReducedAtMostHalf", 80, 0.5},
                                         ScaleCase{"noPrintMeasured", 0, 1}),
                         [](const auto &info) { return std::string(info.param.what); });

struct WayCase
{
    const char *what;
    std::optional<PageOrientation::Detection> detection;
    std::optional<bool> upsideDown;
};

class PageOrientationTest : public testing::TestWithParam<WayCase>
{};

// A sure detection is taken; an unsure or missing one leaves both ways to be tried.
TEST_P(PageOrientationTest, TakesOnlyASureDetection)
{
    EXPECT_EQ(PageOrientation::sureWay(GetParam().detection), GetParam().upsideDown);
}

INSTANTIATE_TEST_SUITE_P(
    Detections, PageOrientationTest,
    testing::Values(WayCase{"sureUpright", PageOrientation::Detection{-300, -316}, false},
                    WayCase{"sureUpsideDown", PageOrientation::Detection{-326, -310}, true},
                    WayCase{"leadAsTheWrongWayReaches", PageOrientation::Detection{-330, -320},
                            std::nullopt},
                    WayCase{"noDetection", std::nullopt, std::nullopt}),
    [](const auto &info) { return std::string(info.param.what); });

struct AscendersCase
{
    const char *what;
    double uprightConfidence;
    std::optional<bool> upsideDown;
};

class AscendersWayTest : public testing::TestWithParam<AscendersCase>
{};

// The ascenders decide only when they clearly point one way.
TEST_P(AscendersWayTest, DecideOnlyWhenSure)
{
    EXPECT_EQ(PageOrientation::sureWay(GetParam().uprightConfidence), GetParam().upsideDown);
}

INSTANTIATE_TEST_SUITE_P(Confidences, AscendersWayTest,
                         testing::Values(AscendersCase{"upright", 40, false},
                                         AscendersCase{"upsideDown", -55, true},
                                         AscendersCase{"unsure", 5, std::nullopt},
                                         AscendersCase{"nothingCounted", 0, std::nullopt}),
                         [](const auto &info) { return std::string(info.param.what); });

struct SheetCase
{
    const char *what;
    SheetSetup setup;
};

SheetSetup sheet(int quarterTurns, double skew, double keystone, int desk, int points = 10)
{
    SheetSetup setup;
    setup.quarterTurns = quarterTurns;
    setup.skew = skew;
    setup.keystone = keystone;
    setup.desk = desk;
    setup.points = points;
    setup.fill = 85;
    return setup;
}

const auto SheetCases = testing::Values(SheetCase{"upright", sheet(0, 0, 0, 140)},
                                        SheetCase{"darkDeskSkewed", sheet(0, 5, 0, 30, 8)},
                                        SheetCase{"keystonedSideways", sheet(1, -2, 5, 90, 12)},
                                        SheetCase{"upsideDownAskew", sheet(2, 1.5, 0, 170, 9)});
const auto sheetName = [](const auto &info) {
    return std::string(info.param.what);
};

class SheetOutlineTest : public testing::TestWithParam<SheetCase>
{};

// The outline found is the sheet the simulator laid down, corner for corner, to within a few
// pixels: not its shadow, nor its blurred edge.
TEST_P(SheetOutlineTest, FindsTheSheetOnTheDesk)
{
    const SheetCapture capture = sheetCapture(GetParam().setup);
    const std::optional<SheetOutline> outline = SheetFinder::find(capture.picture);
    ASSERT_TRUE(outline.has_value());
    std::array<QPointF, 4> expected = capture.sheet.corners;
    // Found clockwise from the top left of the picture, laid down in the page's own order.
    std::rotate(
        expected.begin(),
        std::min_element(expected.begin(), expected.end(),
                         [](QPointF a, QPointF b) { return a.x() + a.y() < b.x() + b.y(); }),
        expected.end());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_LT(QLineF(outline->corners[i], expected[i]).length(), 5)
            << i << ": " << outline->corners[i].x() << "," << outline->corners[i].y() << " not "
            << expected[i].x() << "," << expected[i].y();
}

INSTANTIATE_TEST_SUITE_P(Sheets, SheetOutlineTest, SheetCases, sheetName);

class PrintMeasureTest : public testing::TestWithParam<SheetCase>
{};

// The lines are levelled, the ascenders tell surely whether the levelled page reads upright or
// upside down, and the small letters are measured as the font sets them on the picture.
TEST_P(PrintMeasureTest, LevelsTheLinesTellsWhichWayUpAndMeasuresThePrint)
{
    const SheetSetup &setup = GetParam().setup;
    const SheetCapture capture = sheetCapture(setup);
    const ReadingPicture page(capture.picture);
    const double placed = std::fmod(90 * setup.quarterTurns + setup.skew + 720, 360);
    const double levelled = std::fmod(placed + page.turn(false), 360);
    const double fromLevel = std::fmod(levelled, 180);
    // A keystoned page's lines fan out by a fraction of a degree.
    EXPECT_LT(std::min(fromLevel, 180 - fromLevel), 0.5) << page.turn(false);
    const bool upsideDown = levelled > 90 && levelled < 270;
    EXPECT_EQ(PageOrientation::sureWay(page.uprightConfidence(false)), upsideDown)
        << page.uprightConfidence(false);

    QFont font(setup.font);
    font.setPixelSize(1000);
    const double pagePoints = 841.89; // A4's height
    // Keystoning makes one side longer than the other: their mean is the page's middle.
    const std::array<QPointF, 4> &corners = capture.sheet.corners;
    const double pixelsPerPoint =
        (QLineF(corners[0], corners[3]).length() + QLineF(corners[1], corners[2]).length()) / 2 /
        pagePoints;
    const double xHeight = QFontMetricsF(font).xHeight() / 1000 * setup.points * pixelsPerPoint;
    // Blur spreads the small letters' band of small print into the ascenders' a little.
    EXPECT_NEAR(page.xHeight(), xHeight, 0.2 * xHeight);
}

INSTANTIATE_TEST_SUITE_P(Sheets, PrintMeasureTest, SheetCases, sheetName);

// A short note, a few lines at the top of a squared page with nothing of the desk around it:
// the lines of a page whose print is mostly margin are found level, as it is or turned.
TEST(PrintLinesOfAShortNote, AreFoundAlongTheRowsOrTheColumns)
{
    QImage page(680, 880, QImage::Format_Grayscale8);
    page.fill(255);
    QPainter painter(&page);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(QRect(66, 64, 560, 120), Qt::TextWordWrap,
                     QStringLiteral("The harbour master kept a ledger of every ship that came in, "
                                    "with its cargo, its crew and the weather of the crossing. "
                                    "Most entries were short: a name, a date, a few barrels of "
                                    "salted fish or a load of timber from the northern forests."));
    painter.end();
    EXPECT_EQ(measurePrintLines(page).quarterTurns, 0);
    EXPECT_EQ(measurePrintLines(page.transformed(QTransform().rotate(90))).quarterTurns, 1);
}

// A finger over the bottom edge of a page of a few lines: evening the light leaves its edge as a
// dark line reaching the page's edge, which is no print. The lines are still found level, and
// the small letters measured, as it is or turned.
TEST(PrintLinesPastAFinger, AreFoundLevelAndMeasured)
{
    QImage page(607, 858, QImage::Format_Grayscale8);
    page.fill(240);
    QPainter painter(&page);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(QRect(60, 60, 480, 60), Qt::TextWordWrap,
                     QStringLiteral("Minutes of the meeting held on the third of March. Present "
                                    "were the chair, the treasurer and seven members. The "
                                    "treasurer reported that the accounts for the past year were "
                                    "in order."));
    painter.setPen(QPen(QColor(90, 90, 90), 4));
    painter.drawRoundedRect(QRectF(276, 730, 56, 200), 28, 28);
    painter.end();
    const double xHeight = QFontMetricsF(font).xHeight();
    for (const int quarterTurns : {0, 1}) {
        const PrintLines lines =
            measurePrintLines(page.transformed(QTransform().rotate(90 * quarterTurns)));
        EXPECT_EQ(lines.quarterTurns, quarterTurns);
        EXPECT_NEAR(lines.xHeight, xHeight, 0.3 * xHeight) << quarterTurns;
    }
}

// Two paragraphs, a blot of ink and the paper's grain: print is left out only where a paragraph's
// letters lie outside every box read; the blot and the grain are no print.
TEST(UnreadPrint, IsTheParagraphOutsideTheBoxesRead)
{
    QImage page(900, 700, QImage::Format_Grayscale8);
    page.fill(240);
    QPainter painter(&page);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(24);
    painter.setFont(font);
    const QString text = QStringLiteral("Apple trees need a cold winter to set fruit, which is why "
                                        "the old orchards lie on the northern slopes of the "
                                        "valley, and the growers count the blossom each spring.");
    const QRect top(60, 60, 780, 100);
    const QRect bottom(60, 400, 780, 100);
    painter.drawText(top, Qt::TextWordWrap, text);
    painter.drawText(bottom, Qt::TextWordWrap, text);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(380, 560, 120, 120));
    for (int i = 0; i < 400; ++i)
        page.setPixel((i * 97) % 900, 200 + (i * 53) % 180, 0);
    painter.end();
    const double xHeight = QFontMetricsF(font).xHeight();

    const std::vector<QRect> left = UnreadPrint::areas(page, xHeight, {bottom});
    ASSERT_EQ(left.size(), 1U);
    EXPECT_TRUE(top.intersects(left[0]));
    EXPECT_FALSE(left[0].intersects(bottom));
    EXPECT_GT(left[0].width(), top.width() / 2);
    EXPECT_TRUE(UnreadPrint::areas(page, xHeight, {top, bottom}).empty());
}

// Blocks whose rectangles share a line's worth of print are read as one, so that no line is read
// twice; a sliver of descenders or the gutter between columns keeps them apart.
TEST(TextBlocks, AreReadApartUnlessTheyShareALine)
{
    constexpr double XHeight = 10;
    const QRect paragraph(0, 0, 600, 200);
    const struct
    {
        const char *what;
        std::vector<QRect> blocks;
        std::vector<QRect> apart;
    } cases[] = {
        {"a block inside another", {paragraph, {0, 100, 200, 60}}, {paragraph}},
        {"blocks sharing a line", {paragraph, {0, 170, 600, 200}}, {{0, 0, 600, 370}}},
        {"a third taken in by the two",
         {paragraph, {0, 170, 600, 200}, {300, 300, 300, 300}},
         {{0, 0, 600, 600}}},
        {"descenders above the next block",
         {paragraph, {0, 195, 600, 200}},
         {paragraph, {0, 195, 600, 200}}},
        {"two columns",
         {{0, 0, 290, 800}, {310, 0, 290, 800}},
         {{0, 0, 290, 800}, {310, 0, 290, 800}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextBlocks::apart(c.blocks, XHeight), c.apart) << c.what;
}
// A page of one long paragraph is one block to Tesseract's layout: it is read in pieces cut
// between its lines, by both readers at once, and its words keep their order.
TEST(ReadingALongParagraph, KeepsEveryWordInOrder)
{
    QStringList paragraphs = sheetProse().split(QStringLiteral("\n\n"));
    paragraphs.removeIf([](const QString &p) { return p.startsWith(QLatin1String("# ")); });
    SheetSetup setup;
    setup.text = paragraphs.join(QLatin1Char(' '));
    setup.points = 11;
    const SheetCapture capture = sheetCapture(setup);
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    ASSERT_TRUE(recognizer);
    QStringList words;
    for (const RecognizedWord &word :
         recognizer->recognize(capture.picture, [] { return false; }).words)
        words << word.text;
    EXPECT_LT(characterErrorRate(capture.sheet.text, words.join(QLatin1Char(' '))), 3)
        << words.join(QLatin1Char(' ')).toStdString();
}
} // namespace
