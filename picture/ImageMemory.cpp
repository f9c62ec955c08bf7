// SPDX-License-Identifier: MIT
#include "picture/ImageMemory.h"

#include "link/FrameLayout.h"

#include <cstdlib>
#include <cstring>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
constexpr int KeptBlockBytes = 64 << 20;
constexpr int FreshBlockBytes = 1 << 20;
} // namespace

namespace ImageMemory {
void keepInProcess()
{
#ifdef __GLIBC__
    // Blocks up to 64 MB come from the heap, and up to 512 MB of freed heap stay ours.
    mallopt(M_MMAP_THRESHOLD, KeptBlockBytes);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
#endif
}

void prepareForCapture()
{
#ifdef __GLIBC__
    using namespace FrameLayout;
    // The blocks a capture holds at once at most: raw, cropped and kept frame, the bitmap, the
    // loaded and the sharpened picture (24 bits a pixel); and, from the second capture on, the
    // next raw frame while the last picture is still shown with its reduction for the screen.
    constexpr std::size_t captureBytes =
        2 * RawFrameBytes + 2 * CroppedFrameBytes + BitmapImageSize + 2 * BitmapPixelBytes;
    // One block from the heap's top, touched and given back: the heap keeps it (see above), and
    // the capture's blocks are carved from pages already mapped. Without the memory there is
    // nothing to prepare; the capture then reports the shortage at its usual step.
    if (void *block = std::malloc(captureBytes)) {
        // Not zeros: the compiler would make that a calloc, which leaves fresh pages untouched.
        std::memset(block, 0xA5, captureBytes);
        asm volatile("" : : "r"(block) : "memory"); // nor may it drop the writes
        std::free(block);
    }
#endif
}

FreshBlocks::FreshBlocks()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, FreshBlockBytes);
#endif
}

FreshBlocks::~FreshBlocks()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, KeptBlockBytes);
#endif
}
} // namespace ImageMemory
