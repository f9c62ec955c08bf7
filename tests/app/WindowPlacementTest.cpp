// SPDX-License-Identifier: MIT
#include "app/WindowPlacement.h"

#include "tests/TestSupport.h"

#include <gtest/gtest.h>

namespace {
TEST(WindowPlacementText, ReadsTheTenFieldsInOrder)
{
    const auto p = parseWindowPlacement(QStringLiteral("2,3,-1,-2,-8,-9,100,110,740,580"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->flags, 2u);
    EXPECT_EQ(p->showCommand, ShowCommand::ShowMaximized);
    EXPECT_EQ(p->minX, -1);
    EXPECT_EQ(p->minY, -2);
    EXPECT_EQ(p->maxX, -8);
    EXPECT_EQ(p->maxY, -9);
    // Right and bottom are exclusive: the window is 640 x 470.
    EXPECT_EQ(p->normalRect(), QRect(100, 110, 640, 470));
}

TEST(WindowPlacementText, FormatsWhatItReads)
{
    const QString text = QStringLiteral("0,1,-1,-1,-1,-1,100,100,740,580");
    const auto p = parseWindowPlacement(text);
    ASSERT_TRUE(p);
    EXPECT_EQ(formatWindowPlacement(*p), text);

    WindowPlacement q;
    q.showCommand = ShowCommand::ShowMinimized;
    q.setNormalRect(QRect(-20, 30, 500, 400));
    EXPECT_EQ(formatWindowPlacement(q), QStringLiteral("0,2,-1,-1,-1,-1,-20,30,480,430"));
    EXPECT_EQ(parseWindowPlacement(formatWindowPlacement(q)), q);
}

TEST(WindowPlacementText, AcceptsWhatScanfAccepted)
{
    // Blanks before a number, a plus sign, trailing text after the tenth field.
    const auto p = parseWindowPlacement(QStringLiteral(" 0, 1,+5,-1,-1,-1, 1,2,3,4 and more"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->minX, 5);
    EXPECT_EQ(p->normalRect(), QRect(1, 2, 2, 2));
    // A negative unsigned field wraps as %u does.
    EXPECT_EQ(parseWindowPlacement(QStringLiteral("-1,1,0,0,0,0,0,0,1,1"))->flags, 4294967295u);
}

class MalformedWindowPlacement : public ::testing::TestWithParam<const char *>
{};

TEST_P(MalformedWindowPlacement, IsIgnoredAsAWhole)
{
    EXPECT_FALSE(parseWindowPlacement(QString::fromLatin1(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedWindowPlacement,
    ::testing::Values("", "0,1,-1,-1,-1,-1,100,100,740", "0,1,-1,-1,-1,-1,100,100,740,",
                      "0 ,1,-1,-1,-1,-1,100,100,740,580", "0;1;-1;-1;-1;-1;100;100;740;580",
                      "0,1,-1,-1,-1,-1,100,100,740,x", "0,1,-1,-1,-1,-1,100,100,740,2147483648",
                      "0,1,-1,-1,-1,-1,100,100,740,99999999999999999999", "a,1,2,3,4,5,6,7,8,9"),
    [](const auto &info) { return paramName(info.param, info.index); });
} // namespace
