// SPDX-License-Identifier: MIT
#include "link/ColorConversion.h"

#include "link/ConversionKernels.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstring>
#include <vector>

using namespace FrameLayout;

bool CropRawFrame(std::span<const std::uint8_t> raw, std::span<std::uint8_t> cropped)
{
    if (raw.size() != RawFrameBytes || cropped.size() != CroppedFrameBytes)
        return false;
    for (int row = 0; row < RawRows; ++row)
        std::memcpy(cropped.data() + std::size_t(RawRows - 1 - row) * CroppedRowBytes,
                    raw.data() + std::size_t(row) * RawRowBytes, CroppedRowBytes);
    return true;
}

MemoryBlock cropRawFrameBlock(const MemoryBlock &raw)
{
    if (raw.size() != RawFrameBytes)
        return {};
    MemoryBlock cropped = MemoryBlock::allocateForOverwrite(CroppedFrameBytes);
    if (!cropped.isNull())
        CropRawFrame(raw.bytes(), cropped.bytes());
    return cropped;
}

void writeBitmapHeader(std::span<std::uint8_t, BitmapHeaderBytes> header)
{
    std::size_t at = 0;
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header[at++] = std::uint8_t(value >> (8 * i));
    };
    put('B', 1);
    put('M', 1);
    put(BitmapImageSize, 4);
    put(0, 2); // reserved
    put(0, 2); // reserved
    put(BitmapHeaderBytes, 4);
    put(40, 4); // size of the info header
    put(BitmapWidth, 4);
    put(BitmapHeight, 4); // positive: bottom-up
    put(1, 2);            // planes
    put(24, 2);           // bits per pixel
    put(0, 4);            // uncompressed
    put(BitmapPixelBytes, 4);
    put(0, 4); // horizontal resolution
    put(0, 4); // vertical resolution
    put(0, 4); // colours used
    put(0, 4); // important colours
}

namespace {
// Every band, and the whole frame, is a whole number of the vector paths' steps.
static_assert(BitmapHeight % RowBands::BandRows == 0 &&
              RowBands::BandRows * GroupsPerCroppedRow % VectorStepGroups == 0);

using GroupKernel = void (*)(const std::uint8_t *in, std::uint8_t *out, std::size_t groups,
                             ColorCoefficients coefficients, int toneRow);

GroupKernel kernelFor(CpuPath path)
{
    switch (path) {
#ifdef QUILLON_X86_64_KERNELS
    case CpuPath::Avx512:
        return convertGroupsAvx512Vbmi;
    case CpuPath::Avx2:
        return convertGroupsAvx2;
#endif
    default:
        return convertGroupsPortable;
    }
}

// Times each path on a few rows, three times on this thread; the least time counts, and a
// higher path must beat the lower ones to be taken.
CpuPath measureFastestUpTo(CpuPath cap)
{
    constexpr std::size_t Rows = 2 * RowBands::BandRows;
    static_assert(Rows * GroupsPerCroppedRow % VectorStepGroups == 0);
    const std::vector<std::uint8_t> in(Rows * CroppedRowBytes, 0x80);
    std::vector<std::uint8_t> out(Rows * BitmapRowBytes);
    CpuPath fastest = CpuPath::Portable;
    auto least = std::chrono::steady_clock::duration::max();
    for (int at = int(CpuPath::Portable); at <= int(cap); ++at) {
        const auto path = CpuPath(at);
        if (!isCpuPathSupported(path))
            continue;
        const GroupKernel kernel = kernelFor(path);
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            kernel(in.data(), out.data(), Rows * GroupsPerCroppedRow, {90, 113, 22, 46}, 0);
            const auto took = std::chrono::steady_clock::now() - start;
            if (took < least) {
                least = took;
                fastest = path;
            }
        }
    }
    return fastest;
}
} // namespace

CpuPath fastestConversionPath()
{
    static std::array<std::atomic<int>, 3> chosen{-1, -1, -1}; // by cap
    const CpuPath cap = activeCpuPath();
    std::atomic<int> &choice = chosen[std::size_t(cap)];
    if (choice < 0)
        choice = int(measureFastestUpTo(cap));
    return CpuPath(choice.load());
}

bool ConvertFrameToBitmap(std::span<const std::uint8_t> cropped, ColorCoefficients coefficients,
                          int gammaSelection, std::span<std::uint8_t> bitmap, CpuPath path,
                          RowBands::Threads threads)
{
    if (cropped.size() != CroppedFrameBytes || bitmap.size() != BitmapImageSize ||
        !isCpuPathSupported(path))
        return false;
    writeBitmapHeader(bitmap.first<BitmapHeaderBytes>());
    const GroupKernel kernel = kernelFor(path);
    const int toneRow = toneRowOf(gammaSelection);
    const std::uint8_t *in = cropped.data();
    std::uint8_t *pixels = bitmap.data() + BitmapHeaderBytes;
    // Cropped row r becomes pixel row r: the crop has already turned the frame bottom-up.
    RowBands::forEach(
        BitmapHeight, BitmapWidth * BitmapHeight,
        [&](int begin, int end) {
            kernel(in + std::size_t(begin) * CroppedRowBytes,
                   pixels + std::size_t(begin) * BitmapRowBytes,
                   std::size_t(end - begin) * GroupsPerCroppedRow, coefficients, toneRow);
        },
        threads);
    return true;
}

MemoryBlock convertFrameToBitmapBlock(const MemoryBlock &cropped, ColorCoefficients coefficients,
                                      int gammaSelection)
{
    if (cropped.size() != CroppedFrameBytes)
        return {};
    MemoryBlock bitmap = MemoryBlock::allocateForOverwrite(BitmapImageSize);
    if (!bitmap.isNull() &&
        !ConvertFrameToBitmap(cropped.bytes(), coefficients, gammaSelection, bitmap.bytes()))
        bitmap.reset(); // never hand out bytes nobody wrote
    return bitmap;
}
