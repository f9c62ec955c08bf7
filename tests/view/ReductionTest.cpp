// SPDX-License-Identifier: MIT
// The reduction for drawing against a plain double-precision area average, on every path this
// processor runs.
#include "imaging/Reduction.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
QImage noise(QSize size, QImage::Format format, unsigned seed)
{
    QImage image(size, QImage::Format_ARGB32);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(byte(random), byte(random), byte(random), byte(random)));
    return image.convertToFormat(format);
}

// Channel c (blue, green, red, alpha) of output pixel (x, y): the mean of the premultiplied
// source over the area the output pixel covers.
double areaAverage(const QImage &premultiplied, QSize size, int x, int y, int c)
{
    const double sx = double(premultiplied.width()) / size.width();
    const double sy = double(premultiplied.height()) / size.height();
    double sum = 0;
    for (int j = int(y * sy); j < premultiplied.height() && j < (y + 1) * sy; ++j) {
        const double h = std::min<double>(j + 1, (y + 1) * sy) - std::max<double>(j, y * sy);
        const auto *row = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(j));
        for (int i = int(x * sx); i < premultiplied.width() && i < (x + 1) * sx; ++i) {
            const double w = std::min<double>(i + 1, (x + 1) * sx) - std::max<double>(i, x * sx);
            sum += w * h * ((row[i] >> (8 * c)) & 0xFF);
        }
    }
    return sum / (sx * sy);
}

struct ReductionCase
{
    QSize from;
    QSize to;
    QImage::Format format;
};

class Reductions : public testing::TestWithParam<ReductionCase>
{};

// Weights are whole 1/128ths and 1/512ths of a pixel, so a result may differ from the exact
// mean by rounding, never by more than 2 levels; every path gives the same bytes.
TEST_P(Reductions, AreAreaAveragesOnEveryPath)
{
    const ReductionCase &c = GetParam();
    const QImage source = noise(c.from, c.format, unsigned(c.from.width()));
    const QImage reference = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage portable = Reduction::reduced(source, c.to, CpuPath::Portable);
    ASSERT_EQ(portable.size(), c.to);
    ASSERT_EQ(portable.format(), source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    double worst = 0;
    for (int y = 0; y < c.to.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(portable.constScanLine(y));
        for (int x = 0; x < c.to.width(); ++x)
            for (int channel = 0; channel < 4; ++channel)
                worst = std::max(worst, std::abs(((row[x] >> (8 * channel)) & 0xFF) -
                                                 areaAverage(reference, c.to, x, y, channel)));
    }
    EXPECT_LE(worst, 2.0);
    for (CpuPath path : {CpuPath::Avx2, CpuPath::Avx512}) {
        if (isCpuPathSupported(path)) {
            EXPECT_EQ(Reduction::reduced(source, c.to, path), portable) << "path " << int(path);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SizesAndFormats, Reductions,
    testing::Values(ReductionCase{{1272, 1024}, {919, 740}, QImage::Format_BGR888}, // best fit
                    ReductionCase{{1272, 1024}, {636, 512}, QImage::Format_BGR888},
                    ReductionCase{{1272, 1024}, {127, 102}, QImage::Format_BGR888}, // 10 %
                    ReductionCase{{37, 23}, {11, 7}, QImage::Format_RGB32},
                    ReductionCase{{101, 57}, {50, 28}, QImage::Format_ARGB32},
                    ReductionCase{{13, 9}, {13, 9}, QImage::Format_BGR888},
                    ReductionCase{{5, 5}, {1, 1}, QImage::Format_Grayscale8},
                    ReductionCase{{64, 3}, {3, 2}, QImage::Format_Indexed8}),
    [](const auto &info) {
        const auto size = [](QSize s) {
            return std::to_string(s.width()) + "x" + std::to_string(s.height());
        };
        return size(info.param.from) + "To" + size(info.param.to) + "_" +
               std::to_string(info.index);
    });

TEST(Reduction, RefusesSizesItCannotReduceTo)
{
    const QImage source = noise({10, 10}, QImage::Format_RGB32, 1);
    for (QSize size : {QSize(11, 5), QSize(5, 11), QSize(0, 5), QSize(5, -1)})
        EXPECT_TRUE(Reduction::reduced(source, size).isNull())
            << size.width() << "x" << size.height();
    EXPECT_TRUE(Reduction::reduced(QImage(), {1, 1}).isNull());
}
} // namespace
