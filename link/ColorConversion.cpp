// SPDX-License-Identifier: MIT
#include "link/ColorConversion.h"

#include "link/ConversionKernels.h"

#include <cstring>

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

bool ConvertFrameToBitmap(std::span<const std::uint8_t> cropped, ColorCoefficients coefficients,
                          int gammaSelection, std::span<std::uint8_t> bitmap, CpuPath path)
{
    if (cropped.size() != CroppedFrameBytes || bitmap.size() != BitmapImageSize ||
        !isCpuPathSupported(path))
        return false;
    writeBitmapHeader(bitmap.first<BitmapHeaderBytes>());
    const CroppedFrameView frame = cropped.first<CroppedFrameBytes>();
    const BitmapPixelView pixels = bitmap.subspan<BitmapHeaderBytes, BitmapPixelBytes>();
    const int toneRow = toneRowOf(gammaSelection);
    switch (path) {
#ifdef QUILLON_X86_64_KERNELS
    case CpuPath::Avx512:
        convertPixelsAvx512Vbmi(frame, pixels, coefficients, toneRow);
        break;
    case CpuPath::Avx2:
        convertPixelsAvx2(frame, pixels, coefficients, toneRow);
        break;
#endif
    default:
        convertPixelsPortable(frame, pixels, coefficients, toneRow);
        break;
    }
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
