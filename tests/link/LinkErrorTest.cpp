// SPDX-License-Identifier: MIT
#include "link/LinkError.h"

#include <gtest/gtest.h>

namespace {
TEST(LinkErrorTable, HoldsThirteenRowsWithTheirExactTexts)
{
    for (int code = 1; code <= 13; ++code) {
        auto row = findLinkError(code);
        ASSERT_TRUE(row) << code;
        EXPECT_EQ(row->code, code);
        EXPECT_EQ(row->style, MessageStyle::OkExclamation);
    }
    EXPECT_EQ(findLinkError(4)->text, "USB: FAiled to capture image.");
    EXPECT_EQ(findLinkError(7)->text, "Memory size insuffient for allocation.");
    EXPECT_EQ(findLinkError(11)->text, "Time out (The main unit is now initializing.)");
    EXPECT_EQ(findLinkError(12)->text, "Failed to save the PDF.");
    EXPECT_EQ(findLinkError(13)->text, "Failed to add the page.");
}

TEST(LinkErrorTable, UnknownCodesHaveNoRow)
{
    EXPECT_FALSE(findLinkError(0));
    EXPECT_FALSE(findLinkError(14));
    EXPECT_FALSE(findLinkError(-1));
}
} // namespace
