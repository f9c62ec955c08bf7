// SPDX-License-Identifier: MIT
#include "document/ReadingScale.h"

#include <algorithm>
#include <cmath>

namespace ReadingScale {
double factorFor(double xHeight)
{
    if (xHeight <= 0)
        return 1;
    return std::clamp(BestXHeight / xHeight, SmallestFactor, LargestFactor);
}

int resolutionFor(double xHeight)
{
    // Tesseract takes anything below 70 pixels an inch for a mistake and guesses instead.
    return std::clamp(int(std::lround(xHeight / OrdinaryXHeightInches)), 70, 2400);
}
} // namespace ReadingScale
