// SPDX-License-Identifier: MIT
#include "document/TextBlocks.h"

#include <cmath>
#include <optional>

namespace {
// Paper is lighter than this; a row with fewer darker pixels than PaperRowInk across a block
// lies between its lines.
constexpr int PaperGrey = 180;
constexpr int PaperRowInk = 2;
// A line's worth of print: as high as two small letters (ascenders and descenders) and as wide
// as a short word.
constexpr double LineHeightInXHeights = 2;
constexpr double WordWidthInXHeights = 3;

bool betweenLines(const QImage &image, const QRect &block, int y)
{
    const uchar *row = image.constScanLine(y);
    int ink = 0;
    for (int x = block.left(); x <= block.right() && ink < PaperRowInk; ++x)
        ink += row[x] < PaperGrey;
    return ink < PaperRowInk;
}

// The row between two of the block's lines nearest y, no further than reach from it.
std::optional<int> gapNear(const QImage &image, const QRect &block, int y, int reach)
{
    for (int step = 0; step <= reach; ++step) {
        for (const int row : {y - step, y + step}) {
            if (row > block.top() && row < block.bottom() && betweenLines(image, block, row))
                return row;
        }
    }
    return std::nullopt;
}
} // namespace

namespace TextBlocks {
std::vector<QRect> apart(std::vector<QRect> blocks, double xHeight)
{
    const auto sharePrint = [xHeight](const QRect &a, const QRect &b) {
        const QRect both = a & b;
        return both.height() >= LineHeightInXHeights * xHeight &&
               both.width() >= WordWidthInXHeights * xHeight;
    };
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < blocks.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < blocks.size() && !joined; ++j) {
                if (sharePrint(blocks[i], blocks[j])) {
                    blocks[i] |= blocks[j];
                    blocks.erase(blocks.begin() + std::ptrdiff_t(j));
                    joined = true;
                }
            }
        }
    }
    return blocks;
}

std::vector<QRect> inPieces(const std::vector<QRect> &blocks, const QImage &image,
                            double largestShare)
{
    double print = 0;
    for (const QRect &block : blocks)
        print += double(block.width()) * block.height();
    if (print <= 0)
        return blocks;
    std::vector<QRect> pieces;
    for (const QRect &wanted : blocks) {
        const QRect block = wanted & image.rect();
        const int count =
            int(std::ceil(double(block.width()) * block.height() / (largestShare * print)));
        const int height = block.height() / std::max(1, count);
        int top = block.top();
        for (int i = 1; i < count; ++i) {
            const std::optional<int> cut =
                gapNear(image, block, block.top() + i * height, height / 2);
            if (cut && *cut > top) {
                pieces.emplace_back(QPoint(block.left(), top), QPoint(block.right(), *cut));
                top = *cut + 1;
            }
        }
        pieces.emplace_back(QPoint(block.left(), top), block.bottomRight());
    }
    return pieces;
}
} // namespace TextBlocks
