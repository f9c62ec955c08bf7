// SPDX-License-Identifier: MIT
#include "app/WindowPlacement.h"

#include "app/PlacementFit.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>
#include <vector>

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

// Stored rectangles against fake screens: the 1600 x 1200 screen's available area ends above a
// 40-pixel panel; a second screen of 1920 x 1080 stands to its right.
TEST(WindowPlacementFit, KeepsTheWindowOnAScreenAndWithinItsArea)
{
    const QRect left(0, 0, 1600, 1160);
    const QRect right(1600, 0, 1920, 1080);
    const struct
    {
        const char *text;
        std::vector<QRect> screens;
        QRect shown;
    } cases[] = {
        {"0,1,-1,-1,-1,-1,100,100,740,580", {left}, QRect(100, 100, 640, 480)},
        {"0,1,-1,-1,-1,-1,1500,100,2140,580", {left}, QRect(1500, 100, 640, 480)},
        {"0,1,-1,-1,-1,-1,-1700,100,-900,700", {left}, QRect(0, 100, 800, 600)},
        {"0,1,-1,-1,-1,-1,-30000,-30000,-29360,-29520", {left}, QRect(0, 0, 640, 480)},
        {"0,1,-1,-1,-1,-1,10,10,100000,100000", {left}, left},
        {"0,1,-1,-1,-1,-1,2000,50,2640,530", {left, right}, QRect(2000, 50, 640, 480)},
        {"0,1,-1,-1,-1,-1,9000,5000,9640,5480", {left, right}, QRect(2880, 600, 640, 480)},
        {"0,1,-1,-1,-1,-1,-2147483648,-2147483648,2147483647,2147483647", {left, right}, right},
    };
    for (const auto &c : cases) {
        const auto p = parseWindowPlacement(QString::fromLatin1(c.text));
        ASSERT_TRUE(p) << c.text;
        EXPECT_EQ(fitToScreens(p->normalRect(), c.screens), c.shown) << c.text;
    }
    // Extremes whose width or height does not fit in an int give an empty rectangle (ignored).
    for (const char *text : {"95,-1,2147483647,-2147483648,0,2147483647,-2147483648,0,0,0",
                             "0,1,0,0,0,0,2147483647,2147483647,-2147483648,-2147483648"})
        EXPECT_TRUE(parseWindowPlacement(QString::fromLatin1(text))->normalRect().isEmpty())
            << text;
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
