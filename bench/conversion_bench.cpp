// SPDX-License-Identifier: MIT
// The crop and the colour conversion of one camera frame, each beside its floor in the same run:
// the conversion beside a copy that reads and writes as many bytes, the literal double-precision
// formula and libyuv's UYVY to ARGB to RGB24 (whose byte order U Y0 V Y1 is ours; that our chroma
// is signed does not matter for timing), alone and with the tone curve through its colour table,
// and the AVX2 path beside its tone curve alone; the crop beside a plain copy of the cropped bytes.
#include "bench/PathBenchmarks.h"
#include "link/ColorConversion.h"
#include "link/ConversionKernels.h"
#include "tests/support/LiteralConversion.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>
#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>
#include <libyuv/planar_functions.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {
using namespace FrameLayout;

constexpr ColorCoefficients Coefficients{90, 113, 22, 46};

// A picture rather than noise: smooth luminance and colour gradients with a little sensor noise.
std::vector<std::uint8_t> makeRawFrame()
{
    std::vector<std::uint8_t> raw(RawFrameBytes);
    std::mt19937 random(42);
    std::normal_distribution<double> noise(0.0, 3.0);
    const auto byte = [](double v) {
        return std::uint8_t(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    for (int row = 0; row < RawRows; ++row) {
        for (std::size_t group = 0; group < RawRowBytes / 4; ++group) {
            const double x = double(group) / 640.0;
            const double y = double(row) / 1024.0;
            std::uint8_t *g = raw.data() + std::size_t(row) * RawRowBytes + 4 * group;
            g[0] = std::uint8_t(std::int8_t(std::lround(60.0 * std::sin(6.0 * x + 2.0 * y))));
            g[1] = byte(128.0 + 100.0 * std::sin(9.0 * x) * std::cos(7.0 * y) + noise(random));
            g[2] = std::uint8_t(std::int8_t(std::lround(50.0 * std::cos(5.0 * y - 3.0 * x))));
            g[3] =
                byte(128.0 + 100.0 * std::sin(9.0 * x + 0.01) * std::cos(7.0 * y) + noise(random));
        }
    }
    return raw;
}

const std::vector<std::uint8_t> &rawFrame()
{
    static const std::vector<std::uint8_t> raw = makeRawFrame();
    return raw;
}

const std::vector<std::uint8_t> &croppedFrame()
{
    static const std::vector<std::uint8_t> cropped = [] {
        std::vector<std::uint8_t> frame(CroppedFrameBytes);
        CropRawFrame(rawFrame(), frame);
        return frame;
    }();
    return cropped;
}

void countBytes(benchmark::State &state)
{
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(CroppedFrameBytes));
}

// On the calling thread only, so that it compares kernel with kernel beside libyuv and the floor.
void convertOnPath(benchmark::State &state, CpuPath path)
{
    std::vector<std::uint8_t> bitmap(BitmapImageSize);
    for (auto _ : state) {
        ConvertFrameToBitmap(croppedFrame(), Coefficients, 0, bitmap, path,
                             RowBands::Threads::Caller);
        benchmark::DoNotOptimize(bitmap.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}

// What the capture pays: a fresh zeroed block (its pages touched for the first time) and the
// conversion on the fastest path.
void BM_ConvertFrameToBitmapBlock(benchmark::State &state)
{
    MemoryBlock cropped = MemoryBlock::allocate(CroppedFrameBytes);
    std::memcpy(cropped.data(), croppedFrame().data(), CroppedFrameBytes);
    for (auto _ : state) {
        MemoryBlock bitmap = convertFrameToBitmapBlock(cropped, Coefficients, 1);
        benchmark::DoNotOptimize(bitmap.data());
    }
    countBytes(state);
}
BENCHMARK(BM_ConvertFrameToBitmapBlock)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The floor: read the cropped frame once, write as many bytes as the bitmap has.
void copyFloorOfConversion(benchmark::State &state)
{
    std::vector<std::uint8_t> bitmap(BitmapImageSize);
    for (auto _ : state) {
        std::memcpy(bitmap.data(), croppedFrame().data(), CroppedFrameBytes);
        std::memset(bitmap.data() + CroppedFrameBytes, 0, BitmapImageSize - CroppedFrameBytes);
        benchmark::DoNotOptimize(bitmap.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}

#ifdef QUILLON_X86_64_KERNELS
// The AVX2 path's tone curve alone, over as many bytes as the bitmap's pixels: sixteen byte
// shuffles a vector, the part of the path that libyuv, with no tone curve, does not have.
void avx2ToneFloor(benchmark::State &state)
{
    if (!isCpuPathSupported(CpuPath::Avx2)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    std::vector<std::uint8_t> values(BitmapPixelBytes);
    std::memcpy(values.data(), croppedFrame().data(), CroppedFrameBytes);
    std::vector<std::uint8_t> pixels(BitmapPixelBytes);
    for (auto _ : state) {
        toneBytesAvx2(values.data(), pixels.data(), BitmapPixelBytes / 32, 0);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}
#endif

void literalDoubleFormula(benchmark::State &state)
{
    std::vector<std::uint8_t> pixels(BitmapPixelBytes);
    const std::span<const std::uint8_t, CroppedFrameBytes> frame(croppedFrame().data(),
                                                                 CroppedFrameBytes);
    for (auto _ : state) {
        convertPixelsLiterally(frame, std::span<std::uint8_t, BitmapPixelBytes>(pixels),
                               Coefficients, 0);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}

// libyuv's conversion, with our tone curve applied through its per-channel table when tone is
// given: the same work as ours, in libyuv's terms.
void libyuvConversion(benchmark::State &state, const std::uint8_t *tone)
{
    std::vector<std::uint8_t> argb(std::size_t(BitmapWidth) * 4 * BitmapHeight);
    std::vector<std::uint8_t> rgb(BitmapPixelBytes);
    std::array<std::uint8_t, 256 * 4> table{};
    if (tone)
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = tone[i / 4];
    for (auto _ : state) {
        libyuv::UYVYToARGB(croppedFrame().data(), int(CroppedRowBytes), argb.data(),
                           BitmapWidth * 4, BitmapWidth, BitmapHeight);
        if (tone)
            libyuv::ARGBColorTable(argb.data(), BitmapWidth * 4, table.data(), 0, 0, BitmapWidth,
                                   BitmapHeight);
        libyuv::ARGBToRGB24(argb.data(), BitmapWidth * 4, rgb.data(), int(BitmapRowBytes),
                            BitmapWidth, BitmapHeight);
        benchmark::DoNotOptimize(rgb.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}

void libyuvUyvyToArgbToRgb24(benchmark::State &state)
{
    libyuvConversion(state, nullptr);
}

void libyuvWithToneCurve(benchmark::State &state)
{
    libyuvConversion(state, ToneTable[0].data());
}

// One name per implementation, so that one run lists them side by side.
using Body = void (*)(benchmark::State &);

const bool Registered = [] {
    benchmarkEachPath("ConvertFrameToBitmap", convertOnPath);
    const std::pair<const char *, Body> others[] = {{"floor-copy", copyFloorOfConversion},
                                                    {"libyuv", libyuvUyvyToArgbToRgb24},
                                                    {"libyuv-tone", libyuvWithToneCurve},
                                                    {"literal-double", literalDoubleFormula}};
    for (const auto &[name, body] : others)
        benchmark::RegisterBenchmark((std::string("ConvertFrameToBitmap/") + name).c_str(), body)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
#ifdef QUILLON_X86_64_KERNELS
    benchmark::RegisterBenchmark("ConvertFrameToBitmap/floor-avx2-tone", avx2ToneFloor)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
#endif
    return true;
}();

void BM_CropRawFrame(benchmark::State &state)
{
    std::vector<std::uint8_t> cropped(CroppedFrameBytes);
    for (auto _ : state) {
        CropRawFrame(rawFrame(), cropped);
        benchmark::DoNotOptimize(cropped.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}
BENCHMARK(BM_CropRawFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CopyFloorOfCrop(benchmark::State &state)
{
    std::vector<std::uint8_t> cropped(CroppedFrameBytes);
    for (auto _ : state) {
        std::memcpy(cropped.data(), rawFrame().data(), CroppedFrameBytes);
        benchmark::DoNotOptimize(cropped.data());
        benchmark::ClobberMemory();
    }
    countBytes(state);
}
BENCHMARK(BM_CopyFloorOfCrop)->Unit(benchmark::kMicrosecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
