// SPDX-License-Identifier: MIT
#include "imaging/BmpCodec.h"
#include "imaging/ImageCodecs.h"
#include "link/MemoryBlock.h"
#include "tests/doubles/SyntheticScene.h"
#include "tests/view/ImageFixtures.h"
#include "view/CImageCtrl.h"

#include <QTemporaryDir>

#include <cstring>
#include <gtest/gtest.h>

namespace {
QImage paletteImage(int colours, QImage::Format format = QImage::Format_Indexed8)
{
    QImage image(37, 11, format); // odd width: rows need padding at every depth
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i * 7 % 256, 255 - i * 3 % 256, i * 13 % 256));
    image.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, uint((x * 3 + y * 5) % colours));
    return image;
}

QImage colourImage(QImage::Format format)
{
    return syntheticScene(37, 11).convertToFormat(format);
}

struct Depth
{
    const char *name;
    int bits;
    QImage image;
};

class BmpRoundTrip : public testing::TestWithParam<Depth>
{};

// Written at its own depth, read back by our decoder and by Qt's own reader with the same
// colours everywhere.
TEST_P(BmpRoundTrip, KeepsDepthAndPixels)
{
    const Depth &depth = GetParam();
    const QByteArray file = BmpCodec::encode({depth.image, depth.bits});
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(quint8(file[28]), depth.bits);

    const auto decoded = BmpCodec::decode(bytesOf(file));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->bitsPerPixel, depth.bits);
    const QImage independent = QImage::fromData(file, "BMP");
    ASSERT_FALSE(independent.isNull());
    for (int y = 0; y < depth.image.height(); ++y)
        for (int x = 0; x < depth.image.width(); ++x) {
            const QRgb expected = depth.image.pixel(x, y) | 0xFF000000u;
            ASSERT_EQ(decoded->image.pixel(x, y) | 0xFF000000u, expected) << x << "," << y;
            ASSERT_EQ(independent.pixel(x, y) | 0xFF000000u, expected) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpRoundTrip,
                         testing::Values(Depth{"mono", 1, paletteImage(2, QImage::Format_Mono)},
                                         Depth{"palette16", 4, paletteImage(16)},
                                         Depth{"palette256", 8, paletteImage(256)},
                                         Depth{"grey", 8, colourImage(QImage::Format_Grayscale8)},
                                         Depth{"bgr", 24, colourImage(QImage::Format_BGR888)},
                                         Depth{"rgb32", 32, colourImage(QImage::Format_RGB32)}),
                         [](const auto &info) { return std::string(info.param.name); });

class PngRoundTrip : public testing::TestWithParam<Depth>
{};

// Lossless, and read back at the depth the program holds it in.
TEST_P(PngRoundTrip, KeepsDepthAndPixels)
{
    const Depth &depth = GetParam();
    const QByteArray file =
        ImageCodecs::encode({depth.image, depth.bits}, ImageCodecs::FileFormat::Png, 15);
    const auto decoded = ImageCodecs::decode(bytesOf(file));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->bitsPerPixel, depth.bits);
    EXPECT_EQ(decoded->image.convertToFormat(QImage::Format_ARGB32),
              depth.image.convertToFormat(QImage::Format_ARGB32));
}

INSTANTIATE_TEST_SUITE_P(Depths, PngRoundTrip,
                         testing::Values(Depth{"palette256", 8, paletteImage(256)},
                                         Depth{"grey", 8, colourImage(QImage::Format_Grayscale8)},
                                         Depth{"bgr", 24, colourImage(QImage::Format_BGR888)},
                                         Depth{"argb", 32, colourImage(QImage::Format_ARGB32)}),
                         [](const auto &info) { return std::string(info.param.name); });

// The capture's file is taken over as it is and written back byte for byte.
TEST(CameraBmp, LoadsUprightAndSavesIdentically)
{
    const QImage scene = syntheticScene();
    const QByteArray file = cameraBmpFile(scene);
    ASSERT_EQ(file.size(), 3907638);
    MemoryBlock block = MemoryBlock::allocate(std::size_t(file.size()));
    std::memcpy(block.data(), file.constData(), block.size());

    CImageCtrl control;
    ASSERT_EQ(control.LoadFromMemory(block, 0, 0, 3907638), 0);
    EXPECT_EQ(control.GetImageWidth(), 1272.0f);
    EXPECT_EQ(control.GetImageHeight(), 1024.0f);
    EXPECT_EQ(control.GetBitsPerPixel(), 24);
    EXPECT_EQ(control.image().image.convertToFormat(QImage::Format_RGB32),
              scene.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(BmpCodec::encode(control.image()), file);

    EXPECT_NE(control.LoadFromMemory(block, 0, 0, 3907639), 0) << "size beyond the block";
    EXPECT_EQ(control.GetImageWidth(), 0.0f);
    EXPECT_NE(control.LoadFromMemory(block, 0, 0, 3907637), 0) << "one pixel byte short";
    EXPECT_NE(control.LoadFromMemory(MemoryBlock(), 0, 0, 3907638), 0);
}

TEST(CameraBmp, DiscardedByImageHandleZero)
{
    CImageCtrl control;
    QTemporaryDir dir;
    writeFile(dir.filePath("a.bmp"), cameraBmpFile(syntheticScene(20, 10)));
    ASSERT_EQ(control.LoadFile(dir.filePath("a.bmp"), 0, 0, 1), 0);
    control.SetImageHandle(0);
    EXPECT_EQ(control.GetImageWidth(), 0.0f);
    EXPECT_EQ(control.GetImageHeight(), 0.0f);
    EXPECT_EQ(control.GetBitsPerPixel(), 0);
    EXPECT_NE(control.SaveFile(dir.filePath("b.bmp"), 6, 24, 15, 0), 0) << "nothing to save";
}

TEST(JpegRoundTrip, ColourAndGreyStayCloseAtHighQuality)
{
    for (const QImage &image : {syntheticScene(200, 120), colourImage(QImage::Format_Grayscale8)}) {
        const bool grey = image.format() == QImage::Format_Grayscale8;
        const QByteArray file =
            ImageCodecs::encode({image, grey ? 8 : 24}, ImageCodecs::FileFormat::Jpeg, 2);
        const auto decoded = ImageCodecs::decode(bytesOf(file));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->bitsPerPixel, grey ? 8 : 24);
        EXPECT_EQ(decoded->image.size(), image.size());
        EXPECT_LT(meanAbsoluteDifference(decoded->image, image), grey ? 1.5 : 4.0);
    }
}

// Saving a palette image as JPEG goes through ConvertColorDepth(24) first.
TEST(ColourDepth, PaletteImageBecomes24Bits)
{
    QTemporaryDir dir;
    const QImage original = paletteImage(256);
    writeFile(dir.filePath("p.bmp"), BmpCodec::encode({original, 8}));
    CImageCtrl control;
    ASSERT_EQ(control.LoadFile(dir.filePath("p.bmp"), 0, 0, 1), 0);
    ASSERT_EQ(control.GetBitsPerPixel(), 8);
    EXPECT_NE(control.ConvertColorDepth(16, 4, 1, 0), 0);
    EXPECT_EQ(control.GetBitsPerPixel(), 8);
    ASSERT_EQ(control.ConvertColorDepth(24, 4, 1, 0), 0);
    EXPECT_EQ(control.GetBitsPerPixel(), 24);
    EXPECT_EQ(control.image().image.convertToFormat(QImage::Format_RGB32),
              original.convertToFormat(QImage::Format_RGB32));

    ASSERT_EQ(control.SaveFile(dir.filePath("p.bmp"), 6, 24, 15, 0), 0);
    EXPECT_EQ(quint8(readFile(dir.filePath("p.bmp"))[28]), 24);
    EXPECT_NE(control.SaveFile(dir.filePath("p.png"), 7, 24, 15, 0), 0) << "unknown format";
}
} // namespace
