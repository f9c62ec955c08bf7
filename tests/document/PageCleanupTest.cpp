// SPDX-License-Identifier: MIT
// The edits the clean-up suggests for a photographed sheet: which way up the page is made, and
// that the cleaned page reads.
#include "document/PageCleanup.h"

#include "cleanup/SheetFinder.h"
#include "document/TesseractRecognizer.h"
#include "sim/SheetSetupText.h"
#include "sim/TypesetSheet.h"
#include "tests/support/CharacterErrorRate.h"
#include "tests/support/SimulatorPicture.h"

#include <QLineF>
#include <QThreadPool>

#include <chrono>
#include <future>
#include <gtest/gtest.h>

namespace {
struct TurnCase
{
    const char *name;
    int quarterTurns;
    double skew;
    // A page of three paragraphs, or a short note of one at small print held by a finger.
    bool shortNote = false;
};

class SuggestedTurns : public testing::TestWithParam<TurnCase>
{};

// The page is stood upright by its print, whichever way the sheet lay, unless the user turned it:
// then the turns are kept.
TEST_P(SuggestedTurns, standThePageUprightUnlessTurnedByHand)
{
    SheetSetup setup;
    setup.text = QStringLiteral(
        "The harbour master kept a ledger of every ship that came in, with its cargo, its crew "
        "and the weather of the crossing. Most entries were short: a name, a date, a few barrels "
        "of salted fish or a load of timber from the northern forests.\n\n"
        "When the old building was pulled down, the ledgers were found in a chest under the "
        "stairs, their pages yellow but still readable.\n\n");
    if (GetParam().shortNote) {
        setup.points = 8;
        setup.finger = SheetSetup::Side::Bottom;
    } else {
        setup.text = setup.text.repeated(3);
    }
    setup.desk = 50;
    setup.fill = 80;
    setup.quarterTurns = GetParam().quarterTurns;
    setup.skew = GetParam().skew;
    const TypesetSheet scene = typesetSheet(setup);

    const PageCleanup::Suggestion found =
        PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText);
    ASSERT_TRUE(found.sheetFound);
    const SheetCorners &corners = *found.edits.corners;
    // The corner the turns bring to the page's top left is the sheet's own.
    const QPointF topLeft = corners[std::size_t((4 - found.edits.quarterTurns) % 4)];
    for (const QPointF &corner : corners)
        EXPECT_GE(QLineF(corner, scene.corners[0]).length(),
                  QLineF(topLeft, scene.corners[0]).length())
            << found.edits.quarterTurns;

    PageEdits turnedByHand;
    turnedByHand.quarterTurns = 1;
    EXPECT_EQ(PageCleanup::suggest(scene.picture, turnedByHand, PageCleanup::Turning::AsBase)
                  .edits.quarterTurns,
              1);
}

INSTANTIATE_TEST_SUITE_P(WaysUp, SuggestedTurns,
                         testing::Values(TurnCase{"Upright", 0, 3}, TurnCase{"Sideways", 1, 2},
                                         TurnCase{"UpsideDown", 2, -2},
                                         TurnCase{"OtherSideways", 3, -1},
                                         TurnCase{"ShortNoteSideways", 1, 7, true},
                                         TurnCase{"ShortNoteOtherSideways", 3, 3, true},
                                         TurnCase{"ShortNoteUpsideDown", 2, 3, true}),
                         [](const auto &info) { return std::string(info.param.name); });

// The skew is measured on a thread of its own while the page's way up is counted, and QImage
// converts a camera's picture on Qt's global pool: with the pool's one thread running the clean-up,
// the conversion had no thread left to run on and the clean-up waited for ever.
TEST(SuggestedEdits, areFoundOnAPoolWithNoThreadToSpare)
{
    SheetSetup setup;
    setup.desk = 50;
    setup.fill = 80;
    setup.skew = 2;
    const TypesetSheet scene = typesetSheet(setup);
    QThreadPool *pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    std::promise<bool> found;
    std::future<bool> done = found.get_future();
    pool->start([&scene, &found] {
        found.set_value(
            PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText).sheetFound);
    });
    ASSERT_EQ(done.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    pool->setMaxThreadCount(threads);
    EXPECT_TRUE(done.get());
}

const QString Orchard = QStringLiteral(
    "Apple trees need a cold winter to set fruit, which is why the old orchards lie on the "
    "northern slopes of the valley. Each spring the growers walk the rows and count the "
    "blossom, and by June they know roughly how heavy the harvest will be.\n\n"
    "Pears ripen later and keep less well, so most of them are sold at the autumn market.");

// Small print on a light desk, lit from one side, photographed keystoned: the picture the clean-up
// renders in Grey clips the strokes, and their ascenders were counted unsure there although the
// page as photographed tells plainly. The page was left sideways.
TEST(SuggestedTurnsOfSmallPrint, areCountedOnThePageAsPhotographed)
{
    SheetSetup setup;
    setup.text = Orchard;
    setup.font = QStringLiteral("Liberation Sans");
    setup.points = 8;
    setup.quarterTurns = 1;
    setup.skew = -3;
    setup.keystone = 9;
    setup.desk = 185;
    setup.falloff = 27;
    setup.lamp = SheetSetup::Side::Left;
    setup.offset = QPointF(-41, 11);
    setup.fill = 66;
    const TypesetSheet scene = typesetSheet(setup);

    const PageCleanup::Suggestion found =
        PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText);
    ASSERT_TRUE(found.sheetFound);
    EXPECT_EQ(found.edits.quarterTurns, 3);
}
QString read(TextRecognizer &recognizer, const QImage &page, double enlargement = 1)
{
    QStringList words;
    for (const RecognizedWord &word : recognizer
                                          .recognize(
                                              page, [] { return false; }, enlargement)
                                          .words)
        words << word.text;
    return words.join(u' ');
}

// The cleaned page of a short note in small print, read: its first paragraph, found a block by
// the page's layout, came out empty when read on its own, and three quarters of the text was lost.
TEST(CleanedSmallPrint, IsReadWhole)
{
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    if (!recognizer)
        GTEST_SKIP() << "the English language pack (tesseract-ocr-eng) is not installed";
    SheetSetup setup;
    setup.text = Orchard;
    setup.points = 8;
    setup.quarterTurns = 1;
    setup.skew = 8;
    setup.keystone = 2;
    setup.desk = 185;
    setup.falloff = 33;
    setup.lamp = SheetSetup::Side::Left;
    setup.offset = QPointF(51, -21);
    setup.fill = 68;
    const TypesetSheet scene = typesetSheet(setup);
    const PageCleanup::Suggestion found =
        PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText);
    const QString text = read(*recognizer, PageCleanup::render(scene.picture, found.edits));
    EXPECT_LT(characterErrorRate(scene.text, text), 30) << text.toStdString();
}

// A page is read off a page squared larger only where it is squared to its corners in one
// resampling; a page without corners, flattened or too large is read at the scale it is made at;
// black and white is read as photographed.
TEST(PageForReading, IsSquaredLargerOnlyWhereItIsSquaredToItsCorners)
{
    SheetSetup setup;
    setup.text = Orchard;
    setup.skew = 4;
    const TypesetSheet scene = typesetSheet(setup);
    PageEdits squared;
    squared.corners = scene.corners;
    PageEdits bilevel = squared;
    bilevel.colourMode = PageEdits::ColourMode::BlackAndWhite;
    PageEdits flattened = squared;
    flattened.flatten = true;
    // Twice as large, its page would be larger than any page is made.
    QImage large(4400, 3000, QImage::Format_Grayscale8);
    large.fill(200);
    PageEdits wholeLarge;
    wholeLarge.corners =
        SheetCorners{QPointF(0, 0), QPointF(4400, 0), QPointF(4400, 3000), QPointF(0, 3000)};
    struct Case
    {
        const char *name;
        QImage picture;
        PageEdits edits;
        double scale;
    };
    for (const Case &c : {Case{"squared", scene.picture, squared, 2},
                          Case{"black and white", scene.picture, bilevel, 2},
                          Case{"whole picture", scene.picture, PageEdits{}, 1},
                          Case{"flattened", scene.picture, flattened, 1},
                          Case{"too large to enlarge", large, wholeLarge, 1}}) {
        PageEdits asMade = c.edits;
        asMade.colourMode = PageEdits::ColourMode::Colour;
        const QSize made = PageCleanup::render(c.picture, asMade).size();
        const PageCleanup::Enlarged read = PageCleanup::renderForReading(c.picture, c.edits);
        EXPECT_EQ(read.scale, c.scale) << c.name;
        EXPECT_NEAR(read.page.width(), made.width() * c.scale, 1) << c.name;
        if (c.edits.colourMode != PageEdits::ColourMode::Colour) {
            EXPECT_EQ(read.page, PageCleanup::renderForReading(c.picture, asMade).page) << c.name;
        }
    }
}

// 8-point print in black and white. On a sheet lit from one side, thresholded as the lines are
// measured, its blurred strokes broke into dots and half its characters were read wrong. On a
// sheet of a few lines, its ink made black at the level the reading measures on all its pixels,
// its letters ran together and a seventh of its characters were read wrong.
TEST(CleanedSmallPrint, IsReadInBlackAndWhite)
{
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    if (!recognizer)
        GTEST_SKIP() << "the English language pack (tesseract-ocr-eng) is not installed";
    struct Case
    {
        int repeats;
        int falloff;
        double bound;
    };
    for (const Case &c : {Case{3, 40, 10}, Case{1, 0, 5}}) {
        SCOPED_TRACE(c.repeats);
        SheetSetup setup;
        setup.text = Orchard.repeated(c.repeats);
        setup.font = QStringLiteral("DejaVu Serif");
        setup.points = 8;
        setup.desk = 60;
        setup.falloff = c.falloff;
        setup.lamp = SheetSetup::Side::Right;
        const TypesetSheet scene = typesetSheet(setup);
        PageEdits edits =
            PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText).edits;
        edits.colourMode = PageEdits::ColourMode::BlackAndWhite;
        const QString text = read(*recognizer, PageCleanup::render(scene.picture, edits));
        EXPECT_LT(characterErrorRate(scene.text, text), c.bound) << text.toStdString();
    }
}

// The text layer of a Grey page of small print: read in the Grey page's tones, whose ink and
// paper levels clip, the simulator's 8-point sheet on a dark desk came out as "Vin Steet hes on te
// dak"; read as photographed, as a Colour page is.
TEST(GreyPageText, IsReadAsPhotographed)
{
    auto recognizer = TesseractRecognizer::create(QStringLiteral("eng"));
    if (!recognizer)
        GTEST_SKIP() << "the English language pack (tesseract-ocr-eng) is not installed";
    const SheetCapture scene = sheetCapture(
        *parseSheetSetup(QStringLiteral("points=8,skew=6,desk=40,keystone=8,fill=80"), nullptr));
    PageEdits edits = PageCleanup::suggest(scene.picture, {}, PageCleanup::Turning::ByText).edits;
    edits.colourMode = PageEdits::ColourMode::Grey;
    const PageCleanup::Enlarged page = PageCleanup::renderForReading(scene.picture, edits);
    const QString text = read(*recognizer, page.page, page.scale);
    EXPECT_LT(characterErrorRate(scene.sheet.text, text), 15) << text.toStdString();
}
} // namespace
