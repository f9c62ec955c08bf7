// SPDX-License-Identifier: MIT
// Files that must be refused, each named after the fault it reproduces, and well-formed
// neighbours that must still load, so the checks are not merely strict.
#include "tests/doubles/SyntheticScene.h"
#include "tests/view/ImageFixtures.h"
#include "view/CImageCtrl.h"
#include "view/ImageCodecs.h"
#include "view/JpegCodec.h"

#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>

namespace {
QByteArray smallCameraBmp()
{
    return cameraBmpFile(syntheticScene(64, 48));
}

QByteArray smallJpeg()
{
    return JpegCodec::encode(syntheticScene(64, 48), 15);
}

// Two 4-pixel rows of 8-bit run-length data around the given stream.
QByteArray rle8(const QByteArray &stream)
{
    return buildBmp({4, 2, 8, 1, 4}, greyPalette(4), stream);
}

QByteArray withHeaderField(QByteArray file, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        file[offset + i] = char(value >> (8 * i));
    return file;
}

// The JPEG with its frame size set to width x height.
QByteArray jpegClaimingSize(QByteArray file, int width, int height)
{
    const qsizetype frame = file.indexOf("\xFF\xC0");
    file[frame + 5] = char(height >> 8);
    file[frame + 6] = char(height);
    file[frame + 7] = char(width >> 8);
    file[frame + 8] = char(width);
    return file;
}

struct Malformed
{
    const char *name;
    std::function<QByteArray()> make;
};

const Malformed MalformedFiles[] = {
    {"zero_sized",
     [] {
         return QByteArray();
     }},
    {"truncated_file_header",
     [] {
         return smallCameraBmp().left(10);
     }},
    {"truncated_info_header",
     [] {
         return smallCameraBmp().left(30);
     }},
    {"truncated_pixels",
     [] {
         return smallCameraBmp().chopped(100);
     }},
    {"one_byte_of_pixels_missing",
     [] {
         return smallCameraBmp().chopped(1);
     }},
    {"wrong_magic",
     [] {
         return "MB" + smallCameraBmp().mid(2);
     }},
    {"unknown_content",
     [] {
         return QByteArray("GIF89a") + QByteArray(100, '\0');
     }},
    {"width_zero",
     [] {
         return withHeaderField(smallCameraBmp(), 18, 0);
     }},
    {"height_zero",
     [] {
         return withHeaderField(smallCameraBmp(), 22, 0);
     }},
    {"width_huge",
     [] {
         return withHeaderField(smallCameraBmp(), 18, 1'000'000);
     }},
    {"width_negative",
     [] {
         return withHeaderField(smallCameraBmp(), 18, 0xFFFFFF00u);
     }},
    {"area_huge",
     [] {
         return buildBmp({30000, 30000, 1, 0}, greyPalette(2), {});
     }},
    {"height_most_negative",
     [] {
         return withHeaderField(smallCameraBmp(), 22, 0x80000000u);
     }},
    {"bits_per_pixel_7",
     [] {
         return buildBmp({4, 2, 7, 0}, greyPalette(2), QByteArray(8, 0));
     }},
    {"pixel_offset_beyond_file",
     [] {
         return withHeaderField(smallCameraBmp(), 10, 1u << 30);
     }},
    {"pixel_offset_inside_header",
     [] {
         return withHeaderField(smallCameraBmp(), 10, 20);
     }},
    {"palette_larger_than_depth",
     [] {
         return buildBmp({4, 2, 8, 0, 300}, greyPalette(300), QByteArray(8, 0));
     }},
    {"rle_on_24_bits",
     [] {
         return buildBmp({4, 2, 24, 1}, {}, QByteArray(24, 0));
     }},
    {"rle8_run_overruns_row",
     [] {
         return rle8(QByteArray::fromHex("0501"
                                         "0401"
                                         "0001"));
     }},
    {"rle8_literal_overruns_row",
     [] {
         return rle8(QByteArray::fromHex("0006010203040506"
                                         "0401"
                                         "0001"));
     }},
    {"rle8_rows_overrun_picture",
     [] {
         return rle8(QByteArray::fromHex("0401 0000 0401 0000 0401 0001"));
     }},
    {"rle8_rows_missing",
     [] {
         return rle8(QByteArray::fromHex("0401"
                                         "0000"
                                         "0001"));
     }},
    {"rle8_delta_skips_pixels",
     [] {
         return rle8(QByteArray::fromHex("0401"
                                         "00020100"
                                         "0001"));
     }},
    {"rle8_early_end_of_line",
     [] {
         return rle8(QByteArray::fromHex("0201 0000 0401 0001"));
     }},
    {"rle8_stream_cut_short",
     [] {
         return rle8(QByteArray::fromHex("0401 0000 02"));
     }},
    {"rle8_literal_cut_short",
     [] {
         return rle8(QByteArray::fromHex("0401 0000 000401"));
     }},
    {"rle4_run_overruns_row",
     [] {
         return buildBmp({4, 2, 4, 2}, greyPalette(16), QByteArray::fromHex("0512 0001"));
     }},
    {"jpeg_cut_short",
     [] {
         return smallJpeg().left(smallJpeg().size() / 2);
     }},
    {"jpeg_end_marker_missing",
     [] {
         return smallJpeg().chopped(2);
     }},
    {"jpeg_header_only",
     [] {
         return smallJpeg().left(200);
     }},
    {"jpeg_magic_only",
     [] {
         return QByteArray("\xFF\xD8\xFF", 3);
     }},
    {"jpeg_dimensions_huge",
     [] {
         return jpegClaimingSize(smallJpeg(), 65000, 65000);
     }},
};

class MalformedFile : public testing::TestWithParam<Malformed>
{};

TEST_P(MalformedFile, IsRefusedFromMemoryAndFromDisk)
{
    const QByteArray file = GetParam().make();
    EXPECT_FALSE(ImageCodecs::decode(bytesOf(file)).has_value());

    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(GetParam().name) + ".img");
    writeFile(path, smallCameraBmp());
    CImageCtrl control;
    ASSERT_EQ(control.LoadFile(path, 0, 0, 1), 0) << "a good file first";
    writeFile(path, file);
    EXPECT_NE(control.LoadFile(path, 0, 0, 1), 0);
    EXPECT_EQ(control.GetImageWidth(), 0.0f);
    EXPECT_EQ(control.GetBitsPerPixel(), 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, MalformedFile, testing::ValuesIn(MalformedFiles),
                         [](const auto &info) { return std::string(info.param.name); });

// Run-length streams that cover every pixel decode to their values.
TEST(RunLengthFile, CompleteStreamsDecode)
{
    const auto rle8Image = ImageCodecs::decode(
        bytesOf(rle8(QByteArray::fromHex("0101 0003040506 00 0000 0403 0001"))));
    ASSERT_TRUE(rle8Image.has_value());
    EXPECT_EQ(rle8Image->bitsPerPixel, 8);
    // Bottom-up: the first stored row is the picture's last.
    EXPECT_EQ(rle8Image->image.pixelIndex(0, 1), 1);
    EXPECT_EQ(rle8Image->image.pixelIndex(1, 1), 4);
    EXPECT_EQ(rle8Image->image.pixelIndex(3, 1), 6);
    EXPECT_EQ(rle8Image->image.pixelIndex(3, 0), 3);

    // End of bitmap straight after the last pixel, without an end of line.
    const auto rle4Image = ImageCodecs::decode(bytesOf(
        buildBmp({4, 2, 4, 2}, greyPalette(16), QByteArray::fromHex("04A5 0000 0004 1234 0001"))));
    ASSERT_TRUE(rle4Image.has_value());
    EXPECT_EQ(rle4Image->bitsPerPixel, 4);
    EXPECT_EQ(rle4Image->image.pixelIndex(0, 1), 0xA);
    EXPECT_EQ(rle4Image->image.pixelIndex(1, 1), 0x5);
    EXPECT_EQ(rle4Image->image.pixelIndex(3, 0), 0x4);
}

TEST(ImageFile, RecognisedByContentNotByName)
{
    QTemporaryDir dir;
    CImageCtrl control;
    writeFile(dir.filePath("picture.bmp"), smallJpeg());
    EXPECT_EQ(control.LoadFile(dir.filePath("picture.bmp"), 0, 0, 1), 0);
    EXPECT_EQ(control.GetImageWidth(), 64.0f);
    writeFile(dir.filePath("picture.jpg"), smallCameraBmp());
    EXPECT_EQ(control.LoadFile(dir.filePath("picture.jpg"), 0, 0, 1), 0);
    EXPECT_EQ(control.GetBitsPerPixel(), 24);
    EXPECT_NE(control.LoadFile(dir.filePath("missing.bmp"), 0, 0, 1), 0);
    EXPECT_NE(control.LoadFile(dir.path(), 0, 0, 1), 0) << "a folder";
}
} // namespace
