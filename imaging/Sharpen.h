// SPDX-License-Identifier: MIT
#pragma once

#include "kernels/CpuPath.h"
#include "kernels/RowBands.h"

#include <QImage>

// Sharpening and softening with one 3x3 kernel, in integer arithmetic. Let B be the binomial
// blur (1 2 1 / 2 4 2 / 1 2 1) / 16 of a channel value p; one pass gives
//     p + strength x (p - B),   rounded, clamped to 0..255,
// with strength in 1/256 steps: positive is an unsharp mask, negative blends the blur in
// (-256 gives B itself). Strengths below -256 blur twice: B in full, then the rest blended in
// by a second pass, so that -512 is the 5x5 binomial blur. Border pixels repeat the outermost
// row and column.
namespace Sharpen {
inline constexpr int MinAmount = -1000;
inline constexpr int MaxAmount = 1000;

// The strength for an amount of -1000..1000, in 1/256. Piecewise linear between anchors spaced
// so that the amounts the sharpness slider offers (-1000, -900, -800, 0, 800, 900, 950) each
// differ visibly from their neighbours; a linear map would make 900 and 950 alike:
//     amount    -1000  -900  -800  -500   0   500   800   900   950   1000
//     strength   -512  -384  -256  -128   0    64   192   320   448    576
// (-800 is the 3x3 blur, -900 that and half a second pass, -1000 the 5x5 blur; the unsharp
// gain is 0.75, 1.25 and 1.75 at 800, 900 and 950.)
// Non-zero amounts give at least 1 in either direction.
int strengthForAmount(int amount);

// The image filtered with strengthForAmount(amount); amount 0 returns the image unchanged.
// Grey (8-bit), 24-bit and 32-bit images are filtered channel by channel as they are; palette
// and 1-bit images are first converted to 24-bit BGR, since a filtered picture needs colours
// its palette does not have. Null when the memory cannot be had. Every path gives the same bytes;
// one this processor lacks falls back to the best it has below it. Rows are shared out as
// threads says; each band reads the unfiltered picture, so the bands' order does not matter.
QImage sharpened(const QImage &image, int amount, CpuPath path = activeCpuPath(),
                 RowBands::Threads threads = RowBands::Threads::Pooled);
} // namespace Sharpen
