// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// The picture settings in force: the JPEG quality factor, the tone curve, and the sharpness step
// with the sharpening amount it gives.
struct PictureSettings
{
    // Sharpening amounts by sharpness step: three softer, none, three sharper.
    static constexpr std::array<short, 7> SharpeningTable{-1000, -900, -800, 0, 800, 900, 950};
    static constexpr int DefaultSharpnessIndex = 3;

    int m_gamma = 1;
    int m_sharpenAmount = 0;
    int m_sharpnessIndex = DefaultSharpnessIndex;
    int m_qFactor = 15;

    // The amount of a sharpness step; a step outside the table is taken as the default (no
    // change) and m_sharpnessIndex becomes the default.
    short amountForIndex(int index)
    {
        if (index < 0 || index >= int(SharpeningTable.size())) {
            m_sharpnessIndex = DefaultSharpnessIndex;
            index = DefaultSharpnessIndex;
        }
        return SharpeningTable[std::size_t(index)];
    }
};
