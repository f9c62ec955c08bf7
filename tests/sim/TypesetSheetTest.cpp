// SPDX-License-Identifier: MIT
#include "link/FrameLayout.h"
#include "sim/SheetSetupText.h"
#include "sim/SimControlCommands.h"
#include "sim/SimulatedMainUnit.h"

#include <QImage>
#include <QLineF>
#include <QStringList>

#include <gtest/gtest.h>

namespace {
int lumaAt(const std::vector<std::uint8_t> &frame, QPointF point)
{
    const int x = int(point.x());
    const int y = int(point.y());
    return frame[std::size_t(y) * FrameLayout::RawRowBytes + std::size_t(x / 2) * 4 + 1 +
                 std::size_t(x % 2) * 2];
}

// The sheet the simulator reports is the one it shows: its corners, read back from the control
// socket, have paper just inside and the dark desk just outside, the top left corner of the
// page lies where a sheet turned a quarter turn clockwise puts it, and its text is the page's,
// line by line.
TEST(TypesetSheet, TheSimulatorReportsTheSheetItShows)
{
    SimulatedMainUnit unit;
    ASSERT_EQ(runSimCommand(unit, QStringLiteral("sheet turn=90,skew=4,desk=30,fill=80")),
              QStringLiteral("ok"));
    const QStringList answer = runSimCommand(unit, QStringLiteral("sheet")).split(u'\n');
    ASSERT_GE(answer.size(), 4);
    EXPECT_EQ(answer.back(), QStringLiteral("ok"));
    ASSERT_TRUE(answer.front().startsWith(QLatin1String("corners ")));
    std::vector<QPointF> corners;
    for (const QString &corner : answer.front().mid(8).split(u' ')) {
        const QStringList xy = corner.split(u',');
        ASSERT_EQ(xy.size(), 2);
        corners.emplace_back(xy[0].toDouble(), xy[1].toDouble());
    }
    ASSERT_EQ(corners.size(), 4u);
    EXPECT_GT(corners[0].x(), 636);
    EXPECT_LT(corners[0].y(), 512);

    const std::vector<std::uint8_t> &frame = *unit.currentFrame();
    const QPointF centre = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
    for (const QPointF &corner : corners) {
        const QPointF inward = (centre - corner) / QLineF(corner, centre).length();
        EXPECT_GT(lumaAt(frame, corner + 12 * inward), 200) << corner.x() << "," << corner.y();
        EXPECT_LT(lumaAt(frame, corner - 12 * inward), 60) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(answer[1], QStringLiteral("line A Page Under the Camera"));
    EXPECT_EQ(answer[2], QStringLiteral("line"));
    EXPECT_TRUE(answer[3].startsWith(QLatin1String("line This sheet lies on the desk")));
}

std::vector<QPointF> pointsOf(const QString &line)
{
    std::vector<QPointF> points;
    for (const QString &point : line.split(u' ', Qt::SkipEmptyParts).mid(1)) {
        const QStringList xy = point.split(u',');
        points.emplace_back(xy.value(0).toDouble(), xy.value(1).toDouble());
    }
    return points;
}

int greyAt(const QImage &picture, QPointF at)
{
    return qGray(picture.pixel(at.toPoint()));
}

// A book open at a spread: the outline and both pages are reported, the pages meet at the fold,
// which is darker than the paper either side of it, and the text runs on to the right page.
TEST(TypesetSheet, ASpreadReportsBothPagesAndShadesTheFold)
{
    QString error;
    const std::optional<SheetSetup> setup =
        parseSheetSetup(QStringLiteral("pages=2,skew=3,offset-x=-20,offset-y=15,fill=85"), &error);
    ASSERT_TRUE(setup) << error.toStdString();
    const TypesetSheet sheet = typesetSheet(*setup);
    const QStringList lines = describeSheet(sheet).split(u'\n');
    ASSERT_GE(lines.size(), 4);
    ASSERT_TRUE(lines[1].startsWith(QLatin1String("page ")));
    ASSERT_TRUE(lines[2].startsWith(QLatin1String("page ")));
    const std::vector<QPointF> outline = pointsOf(lines[0]);
    const std::vector<QPointF> left = pointsOf(lines[1]);
    const std::vector<QPointF> right = pointsOf(lines[2]);
    ASSERT_EQ(outline.size(), 4u);
    ASSERT_EQ(left.size(), 4u);
    ASSERT_EQ(right.size(), 4u);
    auto near = [](QPointF a, QPointF b) {
        return QLineF(a, b).length() < 0.1;
    };
    EXPECT_TRUE(near(left[0], outline[0]) && near(left[3], outline[3]));
    EXPECT_TRUE(near(right[1], outline[1]) && near(right[2], outline[2]));
    EXPECT_TRUE(near(left[1], right[0]) && near(left[2], right[3]));

    const QPointF foldMiddle = (left[1] + left[2]) / 2;
    const QPointF across = (right[1] - left[0]) / QLineF(left[0], right[1]).length();
    const int fold = greyAt(sheet.picture, foldMiddle);
    EXPECT_LT(fold + 40, greyAt(sheet.picture, foldMiddle - 60 * across));
    EXPECT_LT(fold + 40, greyAt(sheet.picture, foldMiddle + 60 * across));

    // The default text is longer than one page: the right page has print of its own.
    const qsizetype pagesApart = sheet.text.indexOf(QStringLiteral("\n\n"));
    EXPECT_GT(pagesApart, 0);
    EXPECT_GT(sheet.text.size(), 2 * pagesApart);
}

TEST(TypesetSheet, TheBareDeskHasNoCornersAndNoText)
{
    SheetSetup setup;
    setup.pages = 0;
    EXPECT_EQ(describeSheet(typesetSheet(setup)), QStringLiteral("corners"));
}

struct LampCase
{
    const char *name;
    SheetSetup::Side side;
    // Towards the lamp's side of the picture.
    QPointF towards;
};

class LampSide : public testing::TestWithParam<LampCase>
{};

// The paper is lit most on the lamp's side: the fall-off runs away from it, whichever side it
// is on.
TEST_P(LampSide, lightsThePaperMostOnItsSide)
{
    SheetSetup setup;
    setup.fill = 80;
    setup.falloff = 50;
    setup.noise = 0;
    setup.lamp = GetParam().side;
    const TypesetSheet sheet = typesetSheet(setup);
    const auto &c = sheet.corners;
    const QPointF centre = (c[0] + c[1] + c[2] + c[3]) / 4;
    // In the margins, a short way in from the lamp's side and from the other.
    const QPointF reach(GetParam().towards.x() * 0.42 * QLineF(c[0], c[1]).length(),
                        GetParam().towards.y() * 0.45 * QLineF(c[1], c[2]).length());
    EXPECT_GT(greyAt(sheet.picture, centre + reach), greyAt(sheet.picture, centre - reach) + 30);
}

INSTANTIATE_TEST_SUITE_P(Sides, LampSide,
                         testing::Values(LampCase{"Top", SheetSetup::Side::Top, {0, -1}},
                                         LampCase{"Right", SheetSetup::Side::Right, {1, 0}},
                                         LampCase{"Bottom", SheetSetup::Side::Bottom, {0, 1}},
                                         LampCase{"Left", SheetSetup::Side::Left, {-1, 0}}),
                         [](const auto &info) { return std::string(info.param.name); });
} // namespace
