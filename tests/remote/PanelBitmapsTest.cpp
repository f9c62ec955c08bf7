// SPDX-License-Identifier: MIT
#include "remote/PanelBitmaps.h"

#include "remote/RemoteControlTable.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {
QPalette buttonPalette(QColor text, QColor shadow, QColor face, QColor highlight)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::ButtonText, text);
    palette.setColor(QPalette::Active, QPalette::Dark, shadow);
    palette.setColor(QPalette::Active, QPalette::Button, face);
    palette.setColor(QPalette::Active, QPalette::Light, highlight);
    // A disabled key must not look different, so the disabled colours must not be used.
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::red);
    palette.setColor(QPalette::Disabled, QPalette::Button, Qt::red);
    palette.setCurrentColorGroup(QPalette::Disabled);
    return palette;
}

const QPalette Scheme = buttonPalette(QColor(1, 2, 3), QColor(40, 50, 60), QColor(200, 210, 220),
                                      QColor(250, 240, 230));

TEST(SystemColours, ReplaceExactlyTheFourButtonColoursInTheColourTable)
{
    QImage image(6, 1, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192),
                         qRgb(255, 255, 255), qRgb(193, 192, 192), qRgb(10, 20, 30)});
    for (int x = 0; x < 6; ++x)
        image.setPixel(x, 0, uint(x));
    const QImage mapped = mapSystemColours(image, Scheme);
    ASSERT_EQ(mapped.format(), QImage::Format_Indexed8);
    EXPECT_EQ(mapped.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(mapped.pixel(1, 0), qRgb(40, 50, 60));
    EXPECT_EQ(mapped.pixel(2, 0), qRgb(200, 210, 220));
    EXPECT_EQ(mapped.pixel(3, 0), qRgb(250, 240, 230));
    EXPECT_EQ(mapped.pixel(4, 0), qRgb(193, 192, 192)) << "a near colour is not mapped";
    EXPECT_EQ(mapped.pixel(5, 0), qRgb(10, 20, 30));
}

TEST(SystemColours, MapsImagesWithoutAColourTableToo)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(192, 192, 192));
    image.setPixel(1, 0, qRgb(20, 40, 120));
    const QImage mapped = mapSystemColours(image, Scheme);
    EXPECT_EQ(mapped.pixel(0, 0), qRgb(200, 210, 220));
    EXPECT_EQ(mapped.pixel(1, 0), qRgb(20, 40, 120));
}

// A cache keyed by the bitmap alone would hand the first desktop's colours to every other.
TEST(SystemColours, CachedBitmapsFollowThePalette)
{
    const QPalette other = buttonPalette(Qt::black, Qt::darkGray, QColor(30, 30, 30), Qt::white);
    // The background's face is button-face grey.
    const QImage first = panelBitmap(136, Scheme).toImage();
    const QImage second = panelBitmap(136, other).toImage();
    const QImage again = panelBitmap(136, Scheme).toImage();
    EXPECT_EQ(QColor(first.pixel(2, 2)), QColor(200, 210, 220));
    EXPECT_EQ(QColor(second.pixel(2, 2)), QColor(30, 30, 30));
    EXPECT_EQ(first, again);
}

struct BitmapRange
{
    int first;
    int last;
    QSize size;
};

class BitmapInventoryTest : public ::testing::TestWithParam<BitmapRange>
{};

// Each bitmap exists at its size, with 8 bits per pixel so that its colours map.
TEST_P(BitmapInventoryTest, ExistsAtItsSizeWithAColourTable)
{
    for (int id = GetParam().first; id <= GetParam().last; ++id) {
        const QImage image(panelBitmapPath(QString::number(id)));
        ASSERT_FALSE(image.isNull()) << id;
        EXPECT_EQ(image.size(), GetParam().size) << id;
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << id;
    }
}

// At a device pixel ratio of 2 each bitmap is the one drawn at twice the size: twice the pixels
// for the same logical size, so that the panel's layout does not move, and its colours still map.
TEST_P(BitmapInventoryTest, AtRatioTwoHasTwiceThePixelsInTheSameLogicalSize)
{
    for (int id = GetParam().first; id <= GetParam().last; ++id) {
        const QPixmap sharp = panelBitmap(id, Scheme, 2);
        ASSERT_FALSE(sharp.isNull()) << id;
        EXPECT_EQ(sharp.devicePixelRatio(), 2) << id;
        EXPECT_EQ(sharp.size(), GetParam().size * 2) << id;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(GetParam().size)) << id;
        EXPECT_EQ(QImage(panelBitmapPath(QString::number(id) + QStringLiteral("@2x"))).format(),
                  QImage::Format_Indexed8)
            << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Panel, BitmapInventoryTest,
    ::testing::Values(BitmapRange{136, 136, QSize(330, 480)}, BitmapRange{171, 176, QSize(76, 27)},
                      BitmapRange{178, 179, QSize(56, 12)}, BitmapRange{182, 183, QSize(58, 13)},
                      BitmapRange{184, 207, QSize(46, 46)}, BitmapRange{208, 215, QSize(45, 13)},
                      BitmapRange{217, 220, QSize(63, 13)}),
    [](const auto &info) {
        return "Bitmaps" + std::to_string(info.param.first) + "To" +
               std::to_string(info.param.last);
    });

// Every state of a key must be visible as a different picture.
TEST(BitmapInventory, EachKeysStatesLookDifferent)
{
    using namespace RemoteControl;
    for (const ControlRow &row : controlTable()) {
        const int distinct = row.kind == ButtonKind::Toggle ? 2
                             : row.kind == ButtonKind::Hold ? 3
                                                            : 0;
        for (int i = 0; i < distinct; ++i) {
            for (int j = i + 1; j < distinct; ++j) {
                if (row.images[i] == row.images[j])
                    continue; // the bars of zoom, focus and iris share normal and disabled
                EXPECT_NE(QImage(panelBitmapPath(QString::number(row.images[i]))),
                          QImage(panelBitmapPath(QString::number(row.images[j]))))
                    << row.id << ": " << row.images[i] << " and " << row.images[j];
            }
        }
    }
    EXPECT_NE(QImage(panelBitmapPath(QStringLiteral("217"))),
              QImage(panelBitmapPath(QStringLiteral("218"))));
    EXPECT_NE(QImage(panelBitmapPath(QStringLiteral("219"))),
              QImage(panelBitmapPath(QStringLiteral("220"))));
}
} // namespace
