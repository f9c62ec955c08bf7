// SPDX-License-Identifier: MIT
#include "link/FrameLayout.h"
#include "sim/SimControlCommands.h"
#include "sim/SimulatedMainUnit.h"

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
} // namespace
