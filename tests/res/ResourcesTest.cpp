// SPDX-License-Identifier: MIT
#include "tests/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {
struct Resource
{
    const char *path;
    int width;
    int height;
};

class ResourceTest : public ::testing::TestWithParam<Resource>
{};

// Each image loads from the resources at the size its user lays out for.
TEST_P(ResourceTest, LoadsAtItsSize)
{
    const QImage image(QString::fromLatin1(GetParam().path));
    ASSERT_FALSE(image.isNull()) << GetParam().path;
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(Images, ResourceTest,
                         ::testing::Values(Resource{":/images/toolbar.png", 112, 15},
                                           Resource{":/images/toolbar@2x.png", 224, 30},
                                           Resource{":/images/splash.png", 320, 320},
                                           Resource{":/images/app-icon-16.png", 16, 16},
                                           Resource{":/images/app-icon-22.png", 22, 22},
                                           Resource{":/images/app-icon-24.png", 24, 24},
                                           Resource{":/images/app-icon-32.png", 32, 32},
                                           Resource{":/images/app-icon-48.png", 48, 48},
                                           Resource{":/images/app-icon-64.png", 64, 64},
                                           Resource{":/images/app-icon-128.png", 128, 128},
                                           Resource{":/images/app-icon-256.png", 256, 256},
                                           Resource{":/images/app-icon.svg", 256, 256}),
                         [](const auto &info) { return paramName(info.param.path, info.index); });

int opaquePixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    }
    return count;
}

// Seven distinct pictures on a transparent ground, one per 16-pixel cell, none spilling into
// its neighbour's cell by being shifted.
TEST(ToolBarStrip, HoldsSevenDistinctImagesOnTransparentGround)
{
    const QImage strip(QStringLiteral(":/images/toolbar.png"));
    ASSERT_TRUE(strip.hasAlphaChannel());
    QList<QImage> cells;
    for (int i = 0; i < 7; ++i) {
        const QRect cell(i * 16, 0, 16, 15);
        const int opaque = opaquePixels(strip, cell);
        EXPECT_GT(opaque, 40) << "image " << i;
        EXPECT_LT(opaque, 16 * 15) << "image " << i;
        cells.append(strip.copy(cell));
    }
    for (int i = 0; i < 7; ++i) {
        for (int j = i + 1; j < 7; ++j)
            EXPECT_NE(cells[i], cells[j]) << i << " and " << j;
    }
}

// Each image for a device pixel ratio of 2 is twice its twin's size, carries that ratio, and is
// drawn at its size: not a pixel-doubled copy of the small one.
TEST(TwiceTheSize, EachImageIsDrawnNotEnlarged)
{
    const QStringList names = QDir(QStringLiteral(":/images")).entryList({"*@2x.png"});
    EXPECT_EQ(names.size(), 52) << "the tool bar and the panel's 51";
    for (const QString &name : names) {
        const QImage large(QStringLiteral(":/images/") + name);
        const QImage small(QStringLiteral(":/images/") +
                           QString(name).remove(QStringLiteral("@2x")));
        ASSERT_FALSE(small.isNull()) << name.toStdString();
        EXPECT_EQ(large.devicePixelRatio(), 2) << name.toStdString();
        EXPECT_EQ(large.size(), small.size() * 2) << name.toStdString();
        const QImage enlarged =
            small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_NE(large.convertToFormat(QImage::Format_ARGB32),
                  enlarged.convertToFormat(QImage::Format_ARGB32))
            << name.toStdString();
    }
}

// The icon is a shape, not a square: its corners show the desktop through.
TEST(AppIcon, HasTransparentCornersAtEverySize)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(QStringLiteral(":/images/app-icon-%1.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0) << size;
        EXPECT_GT(opaquePixels(icon, icon.rect()), size * size / 5) << size;
    }
}
} // namespace
