// SPDX-License-Identifier: MIT
// Every file in fixtures/malformed, each named after the fault it reproduces, must be refused
// from disk and from memory; the well-formed neighbours in fixtures/valid must still load, so
// that the checks are not merely strict.
#include "imaging/ImageCodecs.h"
#include "imaging/JpegCodec.h"
#include "imaging/JpegScans.h"
#include "tests/doubles/SyntheticScene.h"
#include "tests/support/ManyScanJpeg.h"
#include "tests/view/ImageFixtures.h"
#include "view/CImageCtrl.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

namespace {
QString fixture(const QString &name)
{
    return QStringLiteral(QT_TESTCASE_SOURCEDIR "/fixtures/") + name;
}

std::vector<std::string> malformedFixtures()
{
    std::vector<std::string> names;
    for (const QString &name : QDir(fixture("malformed")).entryList(QDir::Files))
        names.push_back(name.toStdString());
    return names;
}

class MalformedFile : public testing::TestWithParam<std::string>
{};

TEST_P(MalformedFile, IsRefusedAndLeavesNoImage)
{
    const QString path = fixture("malformed/" + QString::fromStdString(GetParam()));
    EXPECT_FALSE(ImageCodecs::decode(bytesOf(readFile(path))).has_value());
    CImageCtrl control;
    ASSERT_EQ(control.LoadFile(fixture("valid/camera-layout-8x4.bmp"), 0, 0, 1), 0);
    EXPECT_NE(control.LoadFile(path, 0, 0, 1), 0);
    EXPECT_EQ(control.GetImageWidth(), 0.0f);
    EXPECT_EQ(control.GetBitsPerPixel(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, MalformedFile, testing::ValuesIn(malformedFixtures()), [](const auto &info) {
        std::string name = info.param;
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

TEST(MalformedFiles, AreAllThere)
{
    EXPECT_GE(malformedFixtures().size(), 32u);
}

// Run-length streams that set every pixel decode to their values (rows are stored bottom-up).
TEST(RunLengthFile, CompleteStreamsDecode)
{
    const auto rle8 = ImageCodecs::loadFile(fixture("valid/rle8-complete.bmp"));
    ASSERT_TRUE(rle8.has_value());
    EXPECT_EQ(rle8->bitsPerPixel, 8);
    EXPECT_EQ(rle8->image.pixelIndex(0, 1), 1);
    EXPECT_EQ(rle8->image.pixelIndex(1, 1), 4);
    EXPECT_EQ(rle8->image.pixelIndex(3, 1), 6);
    EXPECT_EQ(rle8->image.pixelIndex(3, 0), 3);

    const auto rle4 = ImageCodecs::loadFile(fixture("valid/rle4-ends-without-end-of-line.bmp"));
    ASSERT_TRUE(rle4.has_value());
    EXPECT_EQ(rle4->bitsPerPixel, 4);
    EXPECT_EQ(rle4->image.pixelIndex(0, 1), 0xA);
    EXPECT_EQ(rle4->image.pixelIndex(1, 1), 0x5);
    EXPECT_EQ(rle4->image.pixelIndex(3, 0), 0x4);
}

// Streams may leave pixels unset: an early end of line or of the bitmap, or a delta jumping
// over them. Those pixels are index 0, the others hold their values.
TEST(RunLengthFile, PixelsSkippedAreIndexZero)
{
    const struct
    {
        const char *file;
        const char *indices; // the top row, then the bottom one (the stream's first)
    } cases[] = {
        {"rle8-ends-line-early.bmp", "1111 1100"},
        {"rle8-ends-bitmap-early.bmp", "0000 1111"},
        {"rle8-delta-jumps.bmp", "0002 1000"},
    };
    for (const auto &c : cases) {
        const auto decoded = ImageCodecs::loadFile(fixture(QStringLiteral("valid/") + c.file));
        ASSERT_TRUE(decoded.has_value()) << c.file;
        QByteArray indices;
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x)
                indices += char('0' + decoded->image.pixelIndex(x, y));
            indices += y == 0 ? " " : "";
        }
        EXPECT_EQ(indices, QByteArray(c.indices)) << c.file;
    }
}

// Progressive files with too many scans, or scans that break the progression rules (each costs
// a pass over the picture), are refused from their markers alone, before decoding; the
// progressions encoders write still load.
TEST(ManyScanJpeg, IsRefusedBeforeDecoding)
{
    const QImage scene = syntheticScene(64, 48);
    const struct
    {
        const char *name;
        QByteArray file;
        bool loads;
    } cases[] = {
        {"standard progression", manyScanJpeg(scene, RepeatedScan::Refinement, 0), true},
        {"bands spread to the limit", bandSplitJpeg(scene, JpegCodec::MaxScans), true},
        {"bands spread beyond it", bandSplitJpeg(scene, JpegCodec::MaxScans + 1), false},
        {"refinement repeated", manyScanJpeg(scene, RepeatedScan::Refinement, 11), false},
        {"first pass sent again", manyScanJpeg(scene, RepeatedScan::FirstPass, 5), false},
        {"first pass 1000 times", manyScanJpeg(scene, RepeatedScan::FirstPass, 1000), false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(JpegScans::areBounded(bytesOf(c.file), JpegCodec::MaxScans), c.loads) << c.name;
        EXPECT_EQ(JpegCodec::decode(bytesOf(c.file)).has_value(), c.loads) << c.name;
    }
}

// A BMP file is read for its headers and pixels alone: a gap before the pixels (a sparse one,
// too) and bytes after them change nothing.
TEST(ImageFile, BmpPixelsAfterAGapLoadAsTheyLie)
{
    const QByteArray plain = readFile(fixture("valid/camera-layout-8x4.bmp"));
    const auto expected = ImageCodecs::decode(bytesOf(plain));
    ASSERT_TRUE(expected.has_value());
    constexpr qint64 Gap = 64 * 1024 * 1024;
    QByteArray head = plain.left(54);
    const quint32 offset = 54 + Gap;
    for (int i = 0; i < 4; ++i)
        head[10 + i] = char(offset >> (8 * i));
    QTemporaryDir dir;
    QFile file(dir.filePath("gap.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    ASSERT_TRUE(file.resize(offset));
    ASSERT_TRUE(file.seek(offset));
    file.write(plain.mid(54) + QByteArray(1000, 'x'));
    file.close();
    const auto loaded = ImageCodecs::loadFile(file.fileName());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->image, expected->image);
}

TEST(ImageFile, RecognisedByContentNotByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(fixture("valid/jpeg-16x16.jpg"), dir.filePath("picture.bmp")));
    ASSERT_TRUE(QFile::copy(fixture("valid/camera-layout-8x4.bmp"), dir.filePath("picture.jpg")));
    CImageCtrl control;
    EXPECT_EQ(control.LoadFile(dir.filePath("picture.bmp"), 0, 0, 1), 0);
    EXPECT_EQ(control.GetImageWidth(), 16.0f);
    EXPECT_EQ(control.LoadFile(dir.filePath("picture.jpg"), 0, 0, 1), 0);
    EXPECT_EQ(control.GetImageWidth(), 8.0f);
    EXPECT_NE(control.LoadFile(dir.filePath("missing.bmp"), 0, 0, 1), 0);
    EXPECT_NE(control.LoadFile(dir.path(), 0, 0, 1), 0) << "a folder";
}
} // namespace
