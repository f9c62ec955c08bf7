// SPDX-License-Identifier: MIT
#include "app/PageCleaning.h"

#include "document/PageDocument.h"
#include "sim/TypesetSheet.h"
#include "tests/support/CornerOverlap.h"

#include <QSignalSpy>

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
} // namespace
