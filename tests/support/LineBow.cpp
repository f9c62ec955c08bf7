// SPDX-License-Identifier: MIT
#include "tests/support/LineBow.h"

#include "cleanup/PageTone.h"

#include <algorithm>
#include <cmath>
#include <vector>

double bowOf(const QImage &page, bool foldOnTheRight)
{
    const QImage grey = PageTone::grey(page).convertToFormat(QImage::Format_Grayscale8);
    constexpr int Columns = 16;
    constexpr int Reach = 4;
    constexpr int Farthest = 60;
    const int left = grey.width() * 11 / 100;
    const int width = (grey.width() * 78 / 100) / Columns;
    const int top = grey.height() * 8 / 100;
    const int band = (grey.height() * 84 / 100) / 3;
    double shifts = 0;
    int measured = 0;
    for (int third = 0; third < 3; ++third) {
        const int from = top + third * band;
        std::vector<std::vector<double>> ink(Columns,
                                             std::vector<double>(std::size_t(band + 2 * Farthest)));
        for (int y = -Farthest; y < band + Farthest; ++y) {
            const int row = std::clamp(from + y, 0, grey.height() - 1);
            const uchar *line = grey.constScanLine(row);
            for (int c = 0; c < Columns; ++c) {
                for (int x = left + c * width; x < left + (c + 1) * width; ++x)
                    ink[std::size_t(c)][std::size_t(y + Farthest)] += 255 - line[x];
            }
        }
        const auto &outer = ink[foldOnTheRight ? 0 : Columns - 1];
        auto match = [&](const std::vector<double> &column, int shift) {
            double sum = 0;
            for (int y = 0; y < band; ++y)
                sum += outer[std::size_t(y + Farthest)] * column[std::size_t(y + Farthest + shift)];
            return sum;
        };
        int previous = 0;
        for (int step = 1; step < Columns; ++step) {
            const auto &column = ink[std::size_t(foldOnTheRight ? step : Columns - 1 - step)];
            int best = previous;
            for (int shift = std::max(-Farthest + 1, previous - Reach);
                 shift <= std::min(Farthest - 1, previous + Reach); ++shift) {
                if (match(column, shift) > match(column, best))
                    best = shift;
            }
            // The peak of the parabola through the best shift and its neighbours.
            const double below = match(column, best - 1);
            const double at = match(column, best);
            const double above = match(column, best + 1);
            const double curve = below - 2 * at + above;
            const double refined = curve < 0 ? best + 0.5 * (below - above) / curve : best;
            shifts += std::abs(refined);
            ++measured;
            previous = best;
        }
    }
    return shifts / measured;
}
