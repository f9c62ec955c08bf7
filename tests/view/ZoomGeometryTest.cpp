// SPDX-License-Identifier: MIT
#include "imaging/ZoomGeometry.h"

#include <gtest/gtest.h>

namespace {
using ZoomGeometry::Layout;

const QSize Camera(1272, 1024);
const QSize Area(800, 600);
constexpr int Bar = 16;

struct ZoomCase
{
    const char *name;
    float zoom;
    QSize drawn;
    bool horizontalBar;
    bool verticalBar;
    QSize viewport;
    QPoint scrollMaximum;
};

class ZoomLayout : public testing::TestWithParam<ZoomCase>
{};

TEST_P(ZoomLayout, DrawnSizeBarsAndRanges)
{
    const ZoomCase &c = GetParam();
    const Layout layout = ZoomGeometry::layoutAtZoom(Camera, c.zoom, Area, Bar, true);
    EXPECT_EQ(layout.drawnSize, c.drawn);
    EXPECT_EQ(layout.horizontalBar, c.horizontalBar);
    EXPECT_EQ(layout.verticalBar, c.verticalBar);
    EXPECT_EQ(layout.viewportSize, c.viewport);
    EXPECT_EQ(layout.scrollMaximum, c.scrollMaximum);
}

INSTANTIATE_TEST_SUITE_P(
    Zooms, ZoomLayout,
    testing::Values(
        // 636 x 512 fits: no bars, no scrolling.
        ZoomCase{"half", 50.0f, {636, 512}, false, false, {800, 600}, {0, 0}},
        ZoomCase{"actual", 100.0f, {1272, 1024}, true, true, {784, 584}, {488, 440}},
        ZoomCase{"enlarged", 250.0f, {3180, 2560}, true, true, {784, 584}, {2396, 1976}},
        // Best fit of the capture in 800 x 600: 600 / 1024 -> 745 x 600 fits exactly.
        ZoomCase{"best_fit", 58.59375f, {745, 600}, false, false, {800, 600}, {0, 0}},
        ZoomCase{"wide", 64.5f, {820, 660}, true, true, {784, 584}, {36, 76}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ZoomGeometry, OneBarTakesRoomFromTheOtherAxis)
{
    // 790 x 590 fits 800 x 600, but not once a horizontal bar is needed for 810.
    const Layout both = ZoomGeometry::layoutAtZoom({810, 590}, 100, Area, Bar, true);
    EXPECT_TRUE(both.horizontalBar);
    EXPECT_TRUE(both.verticalBar);
    const Layout one = ZoomGeometry::layoutAtZoom({810, 580}, 100, Area, Bar, true);
    EXPECT_TRUE(one.horizontalBar);
    EXPECT_FALSE(one.verticalBar);
    EXPECT_EQ(one.scrollMaximum, QPoint(10, 0));
}

TEST(ZoomGeometry, WithoutScrollBarsTheWholeAreaPans)
{
    const Layout layout = ZoomGeometry::layoutAtZoom(Camera, 100, Area, Bar, false);
    EXPECT_FALSE(layout.horizontalBar || layout.verticalBar);
    EXPECT_EQ(layout.scrollMaximum, QPoint(472, 424));
}

TEST(ZoomGeometry, ImageRectCentresSmallImagesAndFollowsTheScroll)
{
    const Layout half = ZoomGeometry::layoutAtZoom(Camera, 50, Area, Bar, true);
    EXPECT_EQ(ZoomGeometry::imageRect(half, {0, 0}), QRect(82, 44, 636, 512));
    EXPECT_EQ(ZoomGeometry::imageRect(half, {30, 30}), QRect(82, 44, 636, 512));

    const Layout big = ZoomGeometry::layoutAtZoom(Camera, 250, Area, Bar, true);
    EXPECT_EQ(ZoomGeometry::imageRect(big, {100, 200}), QRect(-100, -200, 3180, 2560));
    EXPECT_EQ(ZoomGeometry::imageRect(big, {9999, -5}), QRect(-2396, 0, 3180, 2560));
}

TEST(ZoomGeometry, StretchFillsTheArea)
{
    const Layout layout = ZoomGeometry::layoutStretched(Camera, {186, 172});
    EXPECT_EQ(ZoomGeometry::imageRect(layout, {}), QRect(0, 0, 186, 172));
    EXPECT_TRUE(ZoomGeometry::layoutStretched({}, {186, 172}).drawnSize.isEmpty());
}

TEST(ZoomGeometry, DegenerateZoomsDrawNothingOrAreCapped)
{
    EXPECT_TRUE(ZoomGeometry::drawnSizeAtZoom(Camera, 0).isEmpty());
    EXPECT_TRUE(ZoomGeometry::drawnSizeAtZoom(Camera, -50).isEmpty());
    EXPECT_EQ(ZoomGeometry::drawnSizeAtZoom(Camera, 0.001), QSize(1, 1));
    EXPECT_EQ(ZoomGeometry::drawnSizeAtZoom(Camera, 1e9).width(), ZoomGeometry::MaxDrawnSide);
}

TEST(ZoomGeometry, ZoomKeepsTheCentredPoint)
{
    const Layout actual = ZoomGeometry::layoutAtZoom(Camera, 100, Area, Bar, true);
    const Layout big = ZoomGeometry::layoutAtZoom(Camera, 250, Area, Bar, true);
    // Centre of the viewport at image point (636, 512), the picture's middle.
    const QPoint scroll = ZoomGeometry::scrollKeepingCentre(actual, {244, 220}, big);
    EXPECT_EQ(scroll, QPoint(1590 - 392, 1280 - 292));
    // From a fitting image the centre is the image's centre.
    const Layout half = ZoomGeometry::layoutAtZoom(Camera, 50, Area, Bar, true);
    EXPECT_EQ(ZoomGeometry::scrollKeepingCentre(half, {}, actual), QPoint(244, 220));
}

TEST(ZoomGeometry, WheelZoomKeepsThePointUnderThePointer)
{
    const Layout actual = ZoomGeometry::layoutAtZoom(Camera, 100, Area, Bar, true);
    const Layout big = ZoomGeometry::layoutAtZoom(Camera, 250, Area, Bar, true);
    // Pointer at (100, 50) over image point (344, 270), which is drawn at (860, 675) at 250 %.
    EXPECT_EQ(ZoomGeometry::scrollKeepingPoint(actual, {244, 220}, big, {100, 50}),
              QPoint(760, 625));
    // From a fitting image drawn at (82, 44): the pointer over its point (159, 128) of 636 x 512,
    // a quarter of the way in, which at 100 % is (318, 256).
    const Layout half = ZoomGeometry::layoutAtZoom(Camera, 50, Area, Bar, true);
    EXPECT_EQ(ZoomGeometry::scrollKeepingPoint(half, {}, actual, {241, 172}), QPoint(77, 84));
}

// Only the exposed part is scaled: whole source pixels, mapped onto the drawn rectangle.
TEST(ZoomGeometry, VisiblePieceCoversTheExposedAreaWithWholePixels)
{
    const QRect drawn(-100, -200, 3180, 2560); // 250 %
    const auto piece = ZoomGeometry::visiblePiece(Camera, drawn, QRect(0, 0, 11, 5));
    EXPECT_EQ(piece.source, QRect(40, 80, 5, 2));
    EXPECT_EQ(piece.target, QRectF(0, 0, 12.5, 5));
    EXPECT_TRUE(ZoomGeometry::visiblePiece(Camera, drawn, QRect(4000, 0, 10, 10)).source.isEmpty());
}
} // namespace
