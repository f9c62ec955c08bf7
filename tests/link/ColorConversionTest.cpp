// SPDX-License-Identifier: MIT
#include "link/ColorConversion.h"

#include "link/ConversionKernels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {
using namespace FrameLayout;

const std::array<CpuPath, 3> AllPaths{CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512};

TEST(ToneTable, RowsAreTheTwoCurves)
{
    for (const auto &row : ToneTable) {
        EXPECT_EQ(row[0], 0);
        EXPECT_EQ(row[255], 255);
        EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
    }
    for (int v = 0; v < 256; ++v)
        EXPECT_NEAR(ToneTable[0][v], 255 * std::pow(v / 255.0, 0.6), 1.5) << "input " << v;
    EXPECT_EQ(std::find(ToneTable[1].begin(), ToneTable[1].end(), 255) - ToneTable[1].begin(), 234);
    // A few values from different parts of each curve.
    EXPECT_EQ(ToneTable[0][1], 9);
    EXPECT_EQ(ToneTable[0][84], 131);
    EXPECT_EQ(ToneTable[0][128], 169);
    EXPECT_EQ(ToneTable[0][252], 254);
    EXPECT_EQ(ToneTable[0][253], 255);
    EXPECT_EQ(ToneTable[1][1], 3);
    EXPECT_EQ(ToneTable[1][128], 193);
    EXPECT_EQ(ToneTable[1][207], 251);
    EXPECT_EQ(ToneTable[1][233], 254);
}

TEST(ClampToByte, LimitsToZeroAnd255)
{
    EXPECT_EQ(ClampToByte(-2530), 0);
    EXPECT_EQ(ClampToByte(-1), 0);
    EXPECT_EQ(ClampToByte(0), 0);
    EXPECT_EQ(ClampToByte(137), 137);
    EXPECT_EQ(ClampToByte(255), 255);
    EXPECT_EQ(ClampToByte(256), 255);
    EXPECT_EQ(ClampToByte(2805), 255);
}

// Y + d reaches -2530 (Cb = Cr = 127, k2 = k3 = 255, gamma on, Y = 0) and 2805 (Cb = Cr = -128,
// Y = 255); the fused table must answer T[clamp(v)] for every value in between.
TEST(FusedToneTable, EqualsClampThenToneOverItsWholeRange)
{
    EXPECT_EQ(FusedToneSize, 2805 + 2530 + 1);
    for (int row = 0; row < 2; ++row)
        for (int v = -2530; v <= 2805; ++v)
            ASSERT_EQ(FusedToneTable[row][v + FusedToneOffset],
                      ToneTable[row][std::clamp(v, 0, 255)])
                << "row " << row << ", Y + d = " << v;
}

TEST(ChromaShifts, TruncateTowardZero)
{
    // trunc(1.25 * 2 * 255 * -128 / 128) = trunc(-637.5)
    EXPECT_EQ(chromaShifts({0, 255, 0, 0}, -128, 0, chromaGainQuarters(0)).blue, -637);
    // trunc(1.25 * 2 * 90 * -1 / 128) = trunc(-1.7578125)
    EXPECT_EQ(chromaShifts({90, 0, 0, 0}, 0, -1, chromaGainQuarters(0)).red, -1);
    EXPECT_EQ(chromaShifts({90, 0, 0, 0}, 0, 1, chromaGainQuarters(0)).red, 1);
    // trunc(1.25 * (-2 * 255 * 127 - 2 * 255 * 127) / 64) = trunc(-2530.078125)
    EXPECT_EQ(chromaShifts({0, 0, 255, 255}, 127, 127, chromaGainQuarters(0)).green, -2530);
}

TEST(BitmapHeader, IsByteForByteTheFileHeader)
{
    const std::array<std::uint8_t, 54> expected{
        'B',  'M',                                                   // file type
        0x36, 0xA0, 0x3B, 0x00,                                      // file size 3,907,638
        0,    0,    0,    0,                                         // reserved
        54,   0,    0,    0,                                         // offset of the pixels
        40,   0,    0,    0,                                         // info header size
        0xF8, 0x04, 0,    0,                                         // width 1272
        0x00, 0x04, 0,    0,                                         // height 1024
        1,    0,    24,   0,                                         // planes, bits per pixel
        0,    0,    0,    0,                                         // uncompressed
        0x00, 0xA0, 0x3B, 0x00,                                      // image size 3,907,584
        0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}; // resolutions, colours
    std::array<std::uint8_t, 54> header;
    header.fill(0xA5);
    writeBitmapHeader(header);
    EXPECT_EQ(header, expected);
}

std::vector<std::uint8_t> frameOfOneGroup(std::array<std::uint8_t, 4> group)
{
    std::vector<std::uint8_t> frame(CroppedFrameBytes);
    for (std::size_t i = 0; i < frame.size(); i += 4)
        std::copy(group.begin(), group.end(), frame.begin() + std::ptrdiff_t(i));
    return frame;
}

struct EdgeCase
{
    const char *name;
    ColorCoefficients k;
    std::array<std::uint8_t, 4> group; // Cb, Y0, Cr, Y1
    int gamma;
    std::array<std::uint8_t, 6> pixels; // blue, green, red of the left pixel, then the right
};

class ConversionEdge : public ::testing::TestWithParam<EdgeCase>
{};

TEST_P(ConversionEdge, EveryPixelPairIsExpected)
{
    const EdgeCase &c = GetParam();
    const std::vector<std::uint8_t> frame = frameOfOneGroup(c.group);
    for (CpuPath path : AllPaths) {
        if (!isCpuPathSupported(path))
            continue;
        std::vector<std::uint8_t> bitmap(BitmapImageSize);
        ASSERT_TRUE(ConvertFrameToBitmap(frame, c.k, c.gamma, bitmap, path));
        for (std::size_t at = BitmapHeaderBytes; at < bitmap.size(); at += 6)
            ASSERT_TRUE(std::equal(c.pixels.begin(), c.pixels.end(), bitmap.begin() + at))
                << "path " << int(path) << ", pixel byte " << at - BitmapHeaderBytes;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionEdge,
    ::testing::Values(
        // No colour without coefficients: T1[100] = 158, T1[200] = 248.
        EdgeCase{"GreyWithoutCoefficients",
                 {0, 0, 0, 0},
                 {50, 100, 186, 200},
                 1,
                 {158, 158, 158, 248, 248, 248}},
        // T0[100] = 146, T0[200] = 221.
        EdgeCase{"NoChromaGammaOn",
                 {90, 255, 17, 200},
                 {0, 100, 0, 200},
                 0,
                 {146, 146, 146, 221, 221, 221}},
        EdgeCase{"NoChromaGammaOff",
                 {90, 255, 17, 200},
                 {0, 100, 0, 200},
                 1,
                 {158, 158, 158, 248, 248, 248}},
        // dB = -637: blue is T0[0] even at full luminance.
        EdgeCase{
            "FullBlueDrainGammaOn", {0, 255, 0, 0}, {0x80, 255, 0, 0}, 0, {0, 255, 255, 0, 0, 0}},
        // dR = -1 (not -2): red of Y 100 is T0[99] = 145, of Y 0 is T0[0].
        EdgeCase{"SmallNegativeRedGammaOn",
                 {90, 0, 0, 0},
                 {0, 100, 0xFF, 0},
                 0,
                 {146, 146, 145, 0, 0, 0}},
        // dB = +506 at luminance 255 clamps to 255 before the table, in both rows.
        EdgeCase{"BrightBlueClampsGammaOff",
                 {0, 255, 0, 0},
                 {127, 255, 0, 255},
                 1,
                 {255, 255, 255, 255, 255, 255}},
        EdgeCase{"BrightBlueClampsGammaOn",
                 {0, 255, 0, 0},
                 {127, 255, 0, 0},
                 0,
                 {255, 255, 255, 255, 0, 0}}),
    [](const ::testing::TestParamInfo<EdgeCase> &info) { return std::string(info.param.name); });

std::vector<std::uint8_t> numberedRawFrame()
{
    std::vector<std::uint8_t> raw(RawFrameBytes);
    for (int row = 0; row < RawRows; ++row)
        for (std::size_t column = 0; column < RawRowBytes; ++column)
            raw[std::size_t(row) * RawRowBytes + column] =
                column < CroppedRowBytes ? std::uint8_t((row * 7 + column * 3) % 251) : 0xFE;
    return raw;
}

TEST(CropRawFrame, ReversesRowsAndDropsTheLastEightPixels)
{
    const std::vector<std::uint8_t> raw = numberedRawFrame();
    std::vector<std::uint8_t> cropped(CroppedFrameBytes, 0xA5);
    ASSERT_TRUE(CropRawFrame(raw, cropped));
    EXPECT_EQ(std::count(cropped.begin(), cropped.end(), 0xFE), 0);
    for (int row = 0; row < RawRows; ++row) {
        const auto from = raw.begin() + std::ptrdiff_t(row) * std::ptrdiff_t(RawRowBytes);
        const auto to =
            cropped.begin() + std::ptrdiff_t(RawRows - 1 - row) * std::ptrdiff_t(CroppedRowBytes);
        ASSERT_TRUE(std::equal(from, from + std::ptrdiff_t(CroppedRowBytes), to))
            << "raw row " << row;
    }
}

// Raw row 0, the top of the picture, is the last row stored in the bottom-up bitmap.
TEST(CropAndConvert, RawRowZeroEndsUpOnTop)
{
    std::vector<std::uint8_t> raw(RawFrameBytes); // black, no colour
    std::fill(raw.begin(), raw.begin() + std::ptrdiff_t(RawRowBytes), 255);
    for (std::size_t i = 0; i < RawRowBytes; i += 2)
        raw[i] = 0; // Cb and Cr of the top row back to 0: white
    std::vector<std::uint8_t> cropped(CroppedFrameBytes);
    ASSERT_TRUE(CropRawFrame(raw, cropped));
    std::vector<std::uint8_t> bitmap(BitmapImageSize);
    ASSERT_TRUE(ConvertFrameToBitmap(cropped, {90, 255, 17, 200}, 0, bitmap));
    const auto topRow = bitmap.end() - std::ptrdiff_t(BitmapRowBytes);
    EXPECT_TRUE(std::all_of(topRow, bitmap.end(), [](std::uint8_t b) { return b == 255; }));
    EXPECT_TRUE(std::all_of(bitmap.begin() + BitmapHeaderBytes, topRow,
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(ColorConversionSizes, WrongSpansAreRefusedUntouched)
{
    std::vector<std::uint8_t> raw(RawFrameBytes + 1, 1);
    std::vector<std::uint8_t> cropped(CroppedFrameBytes, 0xA5);
    EXPECT_FALSE(CropRawFrame(raw, cropped));
    EXPECT_FALSE(CropRawFrame(std::span(raw).first(RawFrameBytes - 1), cropped));
    EXPECT_FALSE(CropRawFrame(std::span(raw).first(RawFrameBytes), std::span(cropped).first(100)));
    EXPECT_EQ(std::count(cropped.begin(), cropped.end(), 0xA5), std::ptrdiff_t(cropped.size()));

    std::vector<std::uint8_t> bitmap(BitmapImageSize + 1, 0xA5);
    for (CpuPath path : AllPaths) {
        EXPECT_FALSE(ConvertFrameToBitmap(cropped, {}, 1, bitmap, path));
        EXPECT_FALSE(ConvertFrameToBitmap(std::span(cropped).first(CroppedFrameBytes - 4), {}, 1,
                                          std::span(bitmap).first(BitmapImageSize), path));
    }
    EXPECT_EQ(std::count(bitmap.begin(), bitmap.end(), 0xA5), std::ptrdiff_t(bitmap.size()));
}

class ColorConversionBlocks : public ::testing::Test
{
protected:
    void SetUp() override { AllocationFaults::clear(); }
    void TearDown() override { AllocationFaults::clear(); }
};

TEST_F(ColorConversionBlocks, WrappersMatchTheSpanFunctions)
{
    MemoryBlock raw = MemoryBlock::allocate(RawFrameBytes);
    const std::vector<std::uint8_t> numbered = numberedRawFrame();
    std::copy(numbered.begin(), numbered.end(), raw.data());
    const MemoryBlock cropped = cropRawFrameBlock(raw);
    ASSERT_EQ(cropped.size(), CroppedFrameBytes);
    std::vector<std::uint8_t> expectedCrop(CroppedFrameBytes);
    ASSERT_TRUE(CropRawFrame(numbered, expectedCrop));
    EXPECT_TRUE(std::equal(expectedCrop.begin(), expectedCrop.end(), cropped.data()));

    const MemoryBlock bitmap = convertFrameToBitmapBlock(cropped, {90, 255, 17, 200}, 0);
    ASSERT_EQ(bitmap.size(), BitmapImageSize);
    std::vector<std::uint8_t> expectedBitmap(BitmapImageSize);
    ASSERT_TRUE(ConvertFrameToBitmap(expectedCrop, {90, 255, 17, 200}, 0, expectedBitmap));
    EXPECT_TRUE(std::equal(expectedBitmap.begin(), expectedBitmap.end(), bitmap.data()));
}

TEST_F(ColorConversionBlocks, ShortMemoryGivesNullBlocks)
{
    const MemoryBlock raw = MemoryBlock::allocate(RawFrameBytes);
    const MemoryBlock cropped = MemoryBlock::allocate(CroppedFrameBytes);
    AllocationFaults::failAllocation(1);
    EXPECT_TRUE(cropRawFrameBlock(raw).isNull());
    AllocationFaults::failAllocation(1);
    EXPECT_TRUE(convertFrameToBitmapBlock(cropped, {}, 1).isNull());
}

TEST_F(ColorConversionBlocks, NoFrameMeansNoAllocation)
{
    EXPECT_TRUE(convertFrameToBitmapBlock(MemoryBlock(), {}, 1).isNull());
    EXPECT_TRUE(cropRawFrameBlock(MemoryBlock::allocate(RawFrameBytes - 1)).isNull());
    EXPECT_EQ(AllocationFaults::attempts(), 1); // only the short raw block itself
}
// The timed choice never takes a path the processor lacks or one above the cap.
TEST(ConversionPath, FastestStaysWithinTheCap)
{
    for (const char *cap : {"avx512", "avx2", "portable"}) {
        setenv("QUILLON_CPU", cap, 1);
        const CpuPath path = fastestConversionPath();
        EXPECT_TRUE(isCpuPathSupported(path)) << cap;
        EXPECT_LE(int(path), int(activeCpuPath())) << cap;
    }
    EXPECT_EQ(fastestConversionPath(), CpuPath::Portable);
    unsetenv("QUILLON_CPU");
}
} // namespace
