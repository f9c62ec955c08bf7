// SPDX-License-Identifier: MIT
// Writes the fuzzers' seed corpora into FOLDER/<target>/: small valid inputs of every kind the
// parsers take, all made here from code, so that the corpora hold nothing of unknown origin.
#include "imaging/BmpCodec.h"
#include "imaging/JpegCodec.h"
#include "tests/support/ManyScanJpeg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
QDir targetDir;

void seed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString dir = targetDir.filePath(QString::fromLatin1(target));
    QDir().mkpath(dir);
    QFile file(dir + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QImage gradient(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) * 16));
    return image.convertToFormat(format);
}

void imageSeeds()
{
    const struct
    {
        const char *name;
        QImage::Format format;
        int bits;
    } bmps[] = {
        {"mono.bmp", QImage::Format_Mono, 1},       {"palette8.bmp", QImage::Format_Indexed8, 8},
        {"grey.bmp", QImage::Format_Grayscale8, 8}, {"bgr24.bmp", QImage::Format_BGR888, 24},
        {"rgb32.bmp", QImage::Format_RGB32, 32},
    };
    for (const auto &bmp : bmps) {
        const QImage image = gradient(9, 5, bmp.format);
        seed("image_file", QString::fromLatin1(bmp.name), BmpCodec::encode({image, bmp.bits}));
    }
    const QImage colour = gradient(24, 16, QImage::Format_BGR888);
    seed("image_file", QStringLiteral("colour.jpg"), JpegCodec::encode(colour, 15));
    seed("image_file", QStringLiteral("grey.jpg"),
         JpegCodec::encode(colour.convertToFormat(QImage::Format_Grayscale8), 15));
    seed("image_file", QStringLiteral("progressive.jpg"),
         manyScanJpeg(colour, RepeatedScan::Refinement, 0));
    seed("image_file", QStringLiteral("first-pass.jpg"),
         manyScanJpeg(colour, RepeatedScan::FirstPass, 0));
}

void textSeeds()
{
    for (const char *name : {"picture.bmp", "picture.BMP", "picture.jpg", "picture", "a.b/c",
                             "/tmp/dir.bmp/picture.jpeg", ".bmp"})
        seed("image_format", QString::fromLatin1(name).replace(u'/', u'_'), name);
    const char *placements[] = {"0,1,-1,-1,-1,-1,100,100,740,580",
                                "2,3,-1,-1,-1,-1,-1700,100,-900,700",
                                " 0, 2,+5,-1,-1,-1, 1,2,3,4 and more"};
    for (int i = 0; i < 3; ++i)
        seed("window_placement", QStringLiteral("placement-%1").arg(i), placements[i]);
    seed("settings", QStringLiteral("all.ini"),
         "[Settings]\nQfactor=15\nGamma=0\nSharpness=6\nPreviewPages=2\n"
         "WindowPos=\"0,1,-1,-1,-1,-1,100,100,740,580\"\n"
         "[Recent%20File%20List]\nFile1=/tmp/a.bmp\n");
    seed("settings", QStringLiteral("unquoted.ini"),
         "[Settings]\nQfactor=4294967297\nWindowPos=0,1,-1,-1,-1,-1,1,2,3,4\n");
    seed("sim_control", QStringLiteral("commands"),
         "90,113,23,11\nunplug\nplug\nother-device\ninitializing 3\nnak\ncomm-not-usb\n"
         "comm-usb\nreply-fail\nimage-fail\nshort-row 7\ncoefficients 1,2,3,4\nframe\n");
    seed("sim_control", QStringLiteral("fault-list"),
         "nak,command-fail,short-row=7,unplug-at-row=9,initializing=2\nplug\n");
    seed("camera_status", QStringLiteral("rgb1"), "1110101030200000");
    seed("camera_status", QStringLiteral("resolution"),
         "20000000"
         "31300000");
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    targetDir = QDir(QString::fromLocal8Bit(argv[1]));
    imageSeeds();
    textSeeds();
    return 0;
}
