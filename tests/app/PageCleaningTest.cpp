// SPDX-License-Identifier: MIT
#include "app/PageCleaning.h"

#include "document/PageDocument.h"
#include "sim/TypesetSheet.h"
#include "tests/TestSupport.h"
#include "tests/support/CornerOverlap.h"

#include <QSignalSpy>

#include <cmath>
#include <gtest/gtest.h>

namespace {
SheetSetup sheetOnDesk(bool sheet)
{
    SheetSetup setup;
    setup.text = QStringLiteral("A line of print to find the skew by.\n\n").repeated(20);
    setup.skew = 5;
    setup.keystone = 6;
    setup.fill = 85;
    setup.pages = sheet ? 1 : 0;
    return setup;
}

TEST(PageCleaning, AnAddedPageKeepsTheSheetFoundAsItsCorners)
{
    PageDocument document;
    PageCleaning cleaning(document);
    QSignalSpy noSheet(&cleaning, &PageCleaning::noSheetFound);
    const TypesetSheet scene = typesetSheet(sheetOnDesk(true));
    PageEdits grey;
    grey.colourMode = PageEdits::ColourMode::Grey;
    const PageId id = *document.add(scene.picture, grey);
    cleaning.clean(id, scene.picture);
    cleaning.finishAll();
    const PageEdits &edits = document.page(0).edits;
    ASSERT_TRUE(edits.corners);
    EXPECT_GT(overlapOf(*edits.corners, scene.corners), 0.97);
    EXPECT_EQ(edits.colourMode, PageEdits::ColourMode::Grey) << "the page's own mode stays";
    EXPECT_EQ(noSheet.count(), 0);
}

TEST(PageCleaning, WithoutASheetThePageStaysAsItWasAndSaysSo)
{
    PageDocument document;
    PageCleaning cleaning(document);
    QSignalSpy noSheet(&cleaning, &PageCleaning::noSheetFound);
    const TypesetSheet desk = typesetSheet(sheetOnDesk(false));
    const PageId id = *document.add(desk.picture);
    cleaning.clean(id, desk.picture);
    cleaning.finishAll();
    EXPECT_EQ(document.page(0).edits, PageEdits{});
    EXPECT_EQ(noSheet.count(), 1);
}

TEST(PageCleaning, EditsTheUserMadeMeanwhileWin)
{
    PageDocument document;
    PageCleaning cleaning(document);
    const TypesetSheet scene = typesetSheet(sheetOnDesk(true));
    const PageId id = *document.add(scene.picture);
    cleaning.clean(id, scene.picture);
    PageEdits turned;
    turned.quarterTurns = 1;
    document.setEdits(0, turned);
    cleaning.finishAll();
    EXPECT_EQ(document.page(0).edits, turned);
}

// The page editor's edits are made off the window's thread and reach the page only then, found
// again by its id, with the skew measured on the corners the user moved (here to the whole
// picture, the sheet lying tilted on it); a page removed meanwhile is left alone.
TEST(PageCleaning, HandEditsReachThePageOnceMadeUnlessItWentMeanwhile)
{
    PageDocument document;
    PageCleaning cleaning(document);
    const TypesetSheet scene = typesetSheet(sheetOnDesk(true));
    PageEdits opened;
    opened.corners = scene.corners;
    const PageId removed = *document.add(scene.picture, opened);
    const PageId kept = *document.add(scene.picture, opened);
    PageEdits whole = opened;
    whole.corners.reset();
    cleaning.finishEdited(removed, scene.picture, whole, opened.corners, false);
    cleaning.finishEdited(kept, scene.picture, whole, opened.corners, false);
    ASSERT_TRUE(document.remove(document.indexOf(removed)));
    QSignalSpy edited(&document, &PageDocument::pageEdited);
    EXPECT_EQ(document.page(0).edits, opened) << "nothing applied before the work is done";
    ASSERT_TRUE(waitUntil([&] { return !cleaning.busy(); }));
    ASSERT_EQ(document.count(), 1);
    EXPECT_EQ(edited.count(), 1) << "the removed page's edits went nowhere";
    const PageEdits &made = document.page(document.indexOf(kept)).edits;
    EXPECT_FALSE(made.corners);
    EXPECT_NEAR(std::abs(made.skew), 5, 1);
}
} // namespace
