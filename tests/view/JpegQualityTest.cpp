// SPDX-License-Identifier: MIT
#include "imaging/ImageCodecs.h"
#include "imaging/JpegCodec.h"
#include "tests/doubles/SyntheticScene.h"
#include "tests/support/PlainJpegEncoder.h"
#include "tests/view/ImageFixtures.h"
#include "view/CImageCtrl.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>

namespace {
// libjpeg itself at one of its quality settings, on the same BGR rows.
QByteArray referenceJpeg(const QImage &bgr, int quality)
{
    QByteArray file;
    encodeJpegPlainly(bgr, quality, [&file](const unsigned char *data, unsigned long size) {
        file = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    });
    return file;
}

// The factor's equivalent in libjpeg's quality terms gives the same file, byte for byte.
TEST(JpegQuality, FactorsMatchTheEncodersQualities)
{
    const QImage scene = syntheticScene(160, 96);
    const struct
    {
        int factor;
        int quality;
    } pairs[] = {{2, 100}, {15, 95}, {75, 75}, {150, 50}};
    for (const auto &pair : pairs)
        EXPECT_EQ(JpegCodec::encode(scene, pair.factor), referenceJpeg(scene, pair.quality))
            << "factor " << pair.factor;
}

TEST(JpegQuality, FactorsOutsideTheRangeAreClamped)
{
    const QImage scene = syntheticScene(64, 48);
    EXPECT_EQ(JpegCodec::encode(scene, -5), JpegCodec::encode(scene, 2));
    EXPECT_EQ(JpegCodec::encode(scene, 1000), JpegCodec::encode(scene, 255));
}

// Larger factors compress more and lose more, on a real picture.
TEST(JpegQuality, LargerFactorsGiveSmallerFilesAndLargerErrors)
{
    const QImage scene = syntheticScene(320, 256);
    qsizetype previousSize = std::numeric_limits<qsizetype>::max();
    double previousError = -1;
    for (int factor : {2, 15, 40, 75, 150, 242}) {
        const QByteArray file = JpegCodec::encode(scene, factor);
        const auto decoded = JpegCodec::decode(bytesOf(file));
        ASSERT_TRUE(decoded.has_value());
        const double error = meanAbsoluteDifference(decoded->image, scene);
        EXPECT_LT(file.size(), previousSize) << "factor " << factor;
        EXPECT_GT(error, previousError) << "factor " << factor;
        previousSize = file.size();
        previousError = error;
    }
}

// Text item 3 is the comment of the JPEG files saved after it.
TEST(JpegComment, TextItem3IsWrittenOnlyWhenNotEmpty)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("scene.bmp");
    writeFile(source, cameraBmpFile(syntheticScene(64, 48)));
    CImageCtrl control;
    ASSERT_EQ(control.LoadFile(source, 0, 0, 1), 0);

    control.SetTextItem(3, QStringLiteral("Desk 2"));
    ASSERT_EQ(control.SaveFile(dir.filePath("with.jpg"), 10, 24, 15, 0), 0);
    const QByteArray with = readFile(dir.filePath("with.jpg"));
    EXPECT_TRUE(with.contains(QByteArray("\xFF\xFE\x00\x08", 4) + "Desk 2"));

    control.SetTextItem(3, QString());
    ASSERT_EQ(control.SaveFile(dir.filePath("without.jpg"), 10, 24, 15, 0), 0);
    const QByteArray without = readFile(dir.filePath("without.jpg"));
    EXPECT_FALSE(without.left(without.indexOf("\xFF\xDA")).contains("\xFF\xFE"));
    EXPECT_EQ(without, JpegCodec::encode(control.image().image, 15));
}
} // namespace
