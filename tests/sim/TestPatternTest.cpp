// SPDX-License-Identifier: MIT
#include "sim/TestPattern.h"

#include "link/FrameLayout.h"
#include "sim/SimulatedMainUnit.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr int Width = 1280;
constexpr int Height = 1024;

class Frame
{
public:
    explicit Frame(std::vector<std::uint8_t> bytes)
        : m_bytes(std::move(bytes))
    {}
    int y(int x, int row) const { return m_bytes[group(x, row) + 1 + std::size_t(x % 2) * 2]; }
    int cb(int x, int row) const { return std::int8_t(m_bytes[group(x, row)]); }
    int cr(int x, int row) const { return std::int8_t(m_bytes[group(x, row) + 2]); }
    std::size_t size() const { return m_bytes.size(); }
    long long lumaSum() const
    {
        long long sum = 0;
        for (int row = 0; row < Height; row += 4)
            for (int x = 0; x < Width; x += 3)
                sum += y(x, row);
        return sum;
    }

private:
    static std::size_t group(int x, int row)
    {
        return std::size_t(row) * FrameLayout::RawRowBytes + std::size_t(x / 2) * 4;
    }
    std::vector<std::uint8_t> m_bytes;
};

Frame render(PictureState state = {})
{
    return Frame(renderTestFrame(state));
}

TEST(TestPattern, IsOneRawFrameOfRecognisableContent)
{
    const Frame f = render();
    ASSERT_EQ(f.size(), FrameLayout::RawFrameBytes);
    // Colour bars: white, then red (sixth) and blue (seventh) with strong colour differences.
    EXPECT_EQ(f.y(80, 100), 255);
    EXPECT_EQ(f.cb(80, 100), 0);
    EXPECT_GT(f.cr(880, 100), 100);
    EXPECT_GT(f.cb(1040, 100), 100);
    EXPECT_LT(f.y(1200, 100), 5);
    // The grey ramp rises from black to white without colour.
    EXPECT_EQ(f.y(0, 280), 0);
    EXPECT_EQ(f.y(Width - 1, 280), 255);
    for (int x = 1; x < Width; ++x) {
        ASSERT_GE(f.y(x, 280), f.y(x - 1, 280)) << x;
        ASSERT_EQ(f.cr(x, 280), 0) << x;
    }
    // The finest line pairs alternate pixel by pixel.
    for (int x = 160; x < 168; ++x)
        EXPECT_EQ(f.y(x, 500), x % 2 == 0 ? 16 : 235) << x;
    // The title is drawn in dark ink on light paper.
    int ink = 0;
    for (int x = 160; x < 1060; ++x)
        ink += f.y(x, 750) < 64;
    EXPECT_GT(ink, 100);
    EXPECT_EQ(f.y(150, 750), 225);
}

TEST(TestPattern, NegativeInvertsLuminanceAndColour)
{
    const Frame normal = render();
    const Frame negative = render({.negative = true});
    for (int row = 0; row < Height; row += 37)
        for (int x = 0; x < Width; x += 11) {
            ASSERT_EQ(negative.y(x, row), 255 - normal.y(x, row)) << x << "," << row;
            ASSERT_EQ(negative.cr(x, row), std::min(127, -normal.cr(x, row))) << x << "," << row;
        }
}

TEST(TestPattern, BlackAndWhiteDropsColourOnly)
{
    const Frame normal = render();
    const Frame grey = render({.blackAndWhite = true});
    for (int row = 0; row < Height; row += 13)
        for (int x = 0; x < Width; x += 7) {
            ASSERT_EQ(grey.cb(x, row), 0);
            ASSERT_EQ(grey.cr(x, row), 0);
            ASSERT_EQ(grey.y(x, row), normal.y(x, row));
        }
}

TEST(TestPattern, RotationTurnsTheSceneClockwise)
{
    const Frame upright = render();
    const Frame half = render({.rotation = 2});
    const Frame quarter = render({.rotation = 1});
    const Frame threeQuarters = render({.rotation = 3});
    for (int row = 0; row < Height; row += 17)
        for (int x = 0; x < Width; x += 5)
            ASSERT_EQ(half.y(x, row), upright.y(Width - 1 - x, Height - 1 - row));
    constexpr int shift = (Width - Height) / 2;
    for (int row = 0; row < Height; row += 19)
        for (int x = shift; x < Width - shift; x += 3) {
            ASSERT_EQ(quarter.y(x, row), upright.y(row + shift, Width - 1 - shift - x));
            ASSERT_EQ(threeQuarters.y(x, row), upright.y(Width - 1 - shift - row, x - shift));
        }
    // The scene's top (the colour bars) is now on the right-hand side.
    EXPECT_EQ(quarter.y(Width - shift - 1, 10), 255);
    EXPECT_EQ(quarter.y(shift - 1, 500), 16) << "outside the turned scene";
}

TEST(TestPattern, LampsBrightenEachInItsOwnWay)
{
    const Frame off = render();
    const Frame base = render({.lamp = 1});
    const Frame upper = render({.lamp = 2});
    EXPECT_GT(base.lumaSum(), off.lumaSum());
    EXPECT_GT(upper.lumaSum(), off.lumaSum());
    EXPECT_NE(base.lumaSum(), upper.lumaSum());
    // The ramp's black end: the base lamp lifts it evenly, the upper lamp in proportion.
    EXPECT_EQ(base.y(0, 280), 24);
    EXPECT_EQ(upper.y(0, 280), 47);
}

TEST(TestPattern, SimulatorFrameFollowsItsSettingsAndIsCached)
{
    SimulatedMainUnit unit;
    const auto first = unit.currentFrame();
    EXPECT_EQ(unit.currentFrame(), first) << "the same state is not drawn again";
    EXPECT_EQ(*first, renderTestFrame({}));

    for (const char *command : {"NP1  ", "RO1  ", "PL1  ", "CB1  "}) {
        const auto handle = unit.open(CommandPipeName);
        const CommandPacket packet{std::uint8_t(command[0]), std::uint8_t(command[1]),
                                   std::uint8_t(command[2]), ' ', ' '};
        ASSERT_EQ(handle->write(packet, std::chrono::milliseconds(100)), 8);
    }
    EXPECT_EQ(*unit.currentFrame(),
              renderTestFrame({.lamp = 1, .rotation = 1, .negative = true, .blackAndWhite = true}));
}
} // namespace
