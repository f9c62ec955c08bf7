// SPDX-License-Identifier: MIT
// Every implementation of the conversion against the literal double-precision formula, over whole
// frames.
#include "link/ColorConversion.h"
#include "tests/support/LiteralConversion.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {
using namespace FrameLayout;

enum class FrameKind
{
    EveryChromaPair, // each of the 65,536 (Cb, Cr) pairs about ten times, random luma
    RandomBytes,
    ChromaExtremes, // Cb and Cr from -128, -1, 0, 1, 127 against every luma
};

std::vector<std::uint8_t> makeFrame(FrameKind kind)
{
    std::vector<std::uint8_t> frame(CroppedFrameBytes);
    std::mt19937 random(std::uint32_t(kind) + 1);
    std::uniform_int_distribution<int> byte(0, 255);
    constexpr std::array<int, 5> extremes{-128, -1, 0, 1, 127};
    for (std::size_t group = 0; group < frame.size() / 4; ++group) {
        std::uint8_t *g = frame.data() + 4 * group;
        switch (kind) {
        case FrameKind::EveryChromaPair:
            g[0] = std::uint8_t(group);
            g[2] = std::uint8_t(group >> 8);
            g[1] = std::uint8_t(byte(random));
            g[3] = std::uint8_t(byte(random));
            break;
        case FrameKind::RandomBytes:
            for (int i = 0; i < 4; ++i)
                g[i] = std::uint8_t(byte(random));
            break;
        case FrameKind::ChromaExtremes:
            g[0] = std::uint8_t(extremes[group % 5]);
            g[2] = std::uint8_t(extremes[group / 5 % 5]);
            g[1] = std::uint8_t(group / 25);
            g[3] = std::uint8_t(255 - group / 25 % 256);
            break;
        }
    }
    return frame;
}

// Built on first use: ctest runs each case in a process of its own.
const std::vector<std::uint8_t> &frameOf(FrameKind kind)
{
    static std::array<std::vector<std::uint8_t>, 3> frames;
    std::vector<std::uint8_t> &frame = frames[std::size_t(kind)];
    if (frame.empty())
        frame = makeFrame(kind);
    return frame;
}

ColorCoefficients randomCoefficients(std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    return {std::uint8_t(byte(random)), std::uint8_t(byte(random)), std::uint8_t(byte(random)),
            std::uint8_t(byte(random))};
}

const std::array<ColorCoefficients, 6> CoefficientSets{{
    {0, 0, 0, 0},
    {255, 255, 255, 255},
    {90, 255, 17, 200},
    {255, 0, 255, 0}, // green from Cr alone, at its largest
    randomCoefficients(7),
    randomCoefficients(1234),
}};

using ExactnessCase = std::tuple<CpuPath, int, FrameKind, int>; // path, set, frame, gamma

class ConversionExactness : public ::testing::TestWithParam<ExactnessCase>
{};

TEST_P(ConversionExactness, WholeFrameMatchesTheLiteralFormula)
{
    const auto [path, set, kind, gamma] = GetParam();
    if (!isCpuPathSupported(path))
        GTEST_SKIP() << "this processor lacks the instructions of this path";
    const std::vector<std::uint8_t> &frame = frameOf(kind);
    const ColorCoefficients k = CoefficientSets[std::size_t(set)];

    std::vector<std::uint8_t> expected(BitmapPixelBytes);
    convertPixelsLiterally(
        std::span<const std::uint8_t, CroppedFrameBytes>(frame.data(), CroppedFrameBytes),
        std::span<std::uint8_t, BitmapPixelBytes>(expected), k, gamma);
    std::vector<std::uint8_t> bitmap(BitmapImageSize, 0xA5);
    ASSERT_TRUE(ConvertFrameToBitmap(frame, k, gamma, bitmap, path));

    const auto mismatch =
        std::mismatch(expected.begin(), expected.end(), bitmap.begin() + BitmapHeaderBytes);
    ASSERT_EQ(mismatch.first, expected.end())
        << "first difference at pixel byte " << (mismatch.first - expected.begin()) << ": "
        << int(*mismatch.second) << " instead of " << int(*mismatch.first);
}

std::string caseName(const ::testing::TestParamInfo<ExactnessCase> &info)
{
    const auto [path, set, kind, gamma] = info.param;
    static constexpr std::array<const char *, 3> kinds{"EveryChromaPair", "RandomBytes",
                                                       "ChromaExtremes"};
    static constexpr std::array<const char *, 3> paths{"Portable", "Avx2", "Avx512"};
    return std::string(paths[std::size_t(path)]) + "_Set" + std::to_string(set) + "_" +
           kinds[std::size_t(kind)] + "_Gamma" + (gamma == 0 ? "On" : "Off");
}

INSTANTIATE_TEST_SUITE_P(
    AllPaths, ConversionExactness,
    ::testing::Combine(::testing::Values(CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512),
                       ::testing::Range(0, int(CoefficientSets.size())),
                       ::testing::Values(FrameKind::EveryChromaPair, FrameKind::RandomBytes,
                                         FrameKind::ChromaExtremes),
                       ::testing::Values(0, 1)),
    caseName);

std::string pathName(const ::testing::TestParamInfo<CpuPath> &info)
{
    static constexpr std::array<const char *, 3> paths{"Portable", "Avx2", "Avx512"};
    return paths[std::size_t(info.param)];
}

class EveryCoefficientValue : public ::testing::TestWithParam<CpuPath>
{};

// The vector paths work in 16-bit lanes where the ranges allow: every coefficient value (as k0
// and k1 against every chroma byte, with green from k and 255 - k) and both gains give the
// portable path's bytes, which the cases above hold to the literal formula.
TEST_P(EveryCoefficientValue, GivesThePortableBytes)
{
    if (!isCpuPathSupported(GetParam()))
        GTEST_SKIP() << "this processor lacks the instructions of this path";
    const std::vector<std::uint8_t> &frame = frameOf(FrameKind::EveryChromaPair);
    std::vector<std::uint8_t> expected(BitmapImageSize);
    std::vector<std::uint8_t> bitmap(BitmapImageSize);
    for (int k = 0; k < 256; ++k) {
        const auto byte = std::uint8_t(k);
        const ColorCoefficients coefficients{byte, byte, std::uint8_t(255 - k), byte};
        for (int gamma : {0, 1}) {
            ASSERT_TRUE(
                ConvertFrameToBitmap(frame, coefficients, gamma, expected, CpuPath::Portable));
            ASSERT_TRUE(ConvertFrameToBitmap(frame, coefficients, gamma, bitmap, GetParam()));
            ASSERT_TRUE(bitmap == expected) << "k " << k << ", gamma selection " << gamma;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(VectorPaths, EveryCoefficientValue,
                         ::testing::Values(CpuPath::Avx2, CpuPath::Avx512), pathName);

class GammaSelectionOutOfRange : public ::testing::TestWithParam<CpuPath>
{};

// The setting may hold any number; only 0 selects gamma correction, and nothing reads past the
// tone table's two rows.
TEST_P(GammaSelectionOutOfRange, CountsAsGammaOff)
{
    if (!isCpuPathSupported(GetParam()))
        GTEST_SKIP() << "this processor lacks the instructions of this path";
    const std::vector<std::uint8_t> &frame = frameOf(FrameKind::RandomBytes);
    const ColorCoefficients k{90, 255, 17, 200};
    std::vector<std::uint8_t> off(BitmapImageSize);
    ASSERT_TRUE(ConvertFrameToBitmap(frame, k, 1, off, GetParam()));
    for (int gamma : {2, -1, 255, 1 << 30}) {
        std::vector<std::uint8_t> bitmap(BitmapImageSize);
        ASSERT_TRUE(ConvertFrameToBitmap(frame, k, gamma, bitmap, GetParam()));
        EXPECT_EQ(bitmap, off) << "gamma selection " << gamma;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPaths, GammaSelectionOutOfRange,
                         ::testing::Values(CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512),
                         pathName);
} // namespace
