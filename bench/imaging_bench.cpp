// SPDX-License-Identifier: MIT
// The imaging control's work on one camera picture (1272 x 1024, 24 bits), each beside its floor
// in the same run: the load beside a copy of the pixel bytes; the sharpening beside a plain 3x3
// integer unsharp mask; the JPEG save beside libjpeg-turbo encoding the same pixels at the
// same quality and writing them with a plain file write; the BMP save beside a plain write of the
// same file; refusing a JPEG of thousands of scans beside decoding a normal progressive one.
// Files go to /dev/shm (tmpfs), so the disk is not measured.
#include "bench/PathBenchmarks.h"
#include "imaging/BmpCodec.h"
#include "imaging/ImageCodecs.h"
#include "imaging/JpegCodec.h"
#include "imaging/Reduction.h"
#include "imaging/Sharpen.h"
#include "link/FrameLayout.h"
#include "tests/doubles/SyntheticScene.h"
#include "tests/support/ManyScanJpeg.h"
#include "tests/support/PlainJpegEncoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {
const QImage &scene()
{
    static const QImage picture = syntheticScene();
    return picture;
}

const QByteArray &cameraFile()
{
    static const QByteArray file = cameraBmpFile(scene());
    return file;
}

std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

QString shmPath(const char *name)
{
    static QTemporaryDir dir(QStringLiteral("/dev/shm/imaging-bench-XXXXXX"));
    return dir.filePath(QString::fromLatin1(name));
}

void plainWrite(const QString &path, const char *data, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data, size) != size)
        std::abort();
}

void LoadCameraBmp(benchmark::State &state)
{
    for (auto _ : state) {
        auto decoded = BmpCodec::decode(bytesOf(cameraFile()));
        benchmark::DoNotOptimize(decoded);
    }
    state.SetBytesProcessed(state.iterations() * cameraFile().size());
}
BENCHMARK(LoadCameraBmp)->Unit(benchmark::kMicrosecond);

void LoadFloorCopy(benchmark::State &state)
{
    // The pixels behind the header; a file that ends before them has nothing to copy.
    const std::span<const std::uint8_t> file = bytesOf(cameraFile());
    if (file.size() <= FrameLayout::BitmapHeaderBytes)
        std::abort();
    const std::span<const std::uint8_t> pixels = file.subspan(FrameLayout::BitmapHeaderBytes);
    std::vector<std::uint8_t> target(pixels.size());
    for (auto _ : state) {
        std::memcpy(target.data(), pixels.data(), pixels.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * cameraFile().size());
}
BENCHMARK(LoadFloorCopy)->Unit(benchmark::kMicrosecond);

// On the calling thread only: the kernel itself, as single-threaded peers are measured.
void sharpenOnPath(benchmark::State &state, CpuPath path, int amount)
{
    for (auto _ : state) {
        QImage result = Sharpen::sharpened(scene(), amount, path, RowBands::Threads::Caller);
        benchmark::DoNotOptimize(result);
    }
}

// The reduction for drawing at a size (best fit in a 1000 x 740 view, and half size), beside
// Qt's smooth scaling of the same picture as the view held it before (BGR888 converted to RGB32,
// then scaled) and a copy of the picture's bytes.
const QSize BestFit(919, 740);
const QSize Half(636, 512);

void reduceOnPath(benchmark::State &state, CpuPath path, QSize size)
{
    for (auto _ : state) {
        QImage result = Reduction::reduced(scene(), size, path);
        benchmark::DoNotOptimize(result);
    }
}

void reduceWithQtSmoothScaling(benchmark::State &state, QSize size)
{
    for (auto _ : state) {
        QImage result = scene()
                            .convertToFormat(QImage::Format_RGB32)
                            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(result);
    }
}

void reduceFloorCopy(benchmark::State &state)
{
    std::vector<std::uint8_t> target(std::size_t(scene().sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(target.data(), scene().constBits(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}

void registerPerPathBenchmarks()
{
    for (int amount : {800, -1000, 950}) {
        const std::string name = "SharpenPicture/" + std::to_string(amount);
        benchmarkEachPath(
            name,
            [amount](benchmark::State &state, CpuPath path) { sharpenOnPath(state, path, amount); },
            {CpuPath::Portable, CpuPath::Avx2});
    }
    for (const auto &[name, size] :
         {std::pair{"Reduce/best-fit", BestFit}, std::pair{"Reduce/half", Half}}) {
        benchmarkEachPath(name, [size](benchmark::State &state, CpuPath path) {
            reduceOnPath(state, path, size);
        });
        benchmark::RegisterBenchmark(
            (std::string(name) + "/qt-smooth").c_str(),
            [size](benchmark::State &state) { reduceWithQtSmoothScaling(state, size); })
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("Reduce/floor-copy", reduceFloorCopy)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

const bool Registered = (registerPerPathBenchmarks(), true);

// The plain unsharp mask: out = p + (8p - sum of the 8 neighbours) x 3 / 8, interior only.
void SharpenFloorPlainUnsharpMask(benchmark::State &state)
{
    const QImage &in = scene();
    std::vector<std::uint8_t> out(std::size_t(in.bytesPerLine()) * in.height());
    const int stride = int(in.bytesPerLine());
    const int rowBytes = in.width() * 3;
    for (auto _ : state) {
        const std::uint8_t *p = in.constBits();
        for (int y = 1; y + 1 < in.height(); ++y) {
            for (int i = 3; i + 3 < rowBytes; ++i) {
                const int at = y * stride + i;
                const int sum = p[at - stride - 3] + p[at - stride] + p[at - stride + 3] +
                                p[at - 3] + p[at + 3] + p[at + stride - 3] + p[at + stride] +
                                p[at + stride + 3];
                out[std::size_t(at)] =
                    std::uint8_t(std::clamp(p[at] + (8 * p[at] - sum) * 3 / 8, 0, 255));
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SharpenFloorPlainUnsharpMask)->Unit(benchmark::kMicrosecond)->UseRealTime();

void SaveJpegFactor15(benchmark::State &state)
{
    const DecodedImage image{scene(), 24};
    const QString path = shmPath("save.jpg");
    for (auto _ : state) {
        const QByteArray file = ImageCodecs::encode(image, ImageCodecs::FileFormat::Jpeg, 15);
        if (!ImageCodecs::writeFileAtomically(path, file))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveJpegFactor15)->Unit(benchmark::kMicrosecond);

// libjpeg-turbo on the same BGR rows at quality 95 (what factor 15 means), then a plain write.
void SaveJpegFloorLibjpeg(benchmark::State &state)
{
    const QImage &bgr = scene();
    const QString path = shmPath("floor.jpg");
    for (auto _ : state) {
        encodeJpegPlainly(bgr, 95, [&path](const unsigned char *data, unsigned long size) {
            plainWrite(path, reinterpret_cast<const char *>(data), qint64(size));
        });
    }
}
BENCHMARK(SaveJpegFloorLibjpeg)->Unit(benchmark::kMicrosecond);

void SaveBmp(benchmark::State &state)
{
    const DecodedImage image{scene(), 24};
    const QString path = shmPath("save.bmp");
    for (auto _ : state) {
        const QByteArray file = ImageCodecs::encode(image, ImageCodecs::FileFormat::Bmp, 15);
        if (!ImageCodecs::writeFileAtomically(path, file))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * cameraFile().size());
}
BENCHMARK(SaveBmp)->Unit(benchmark::kMicrosecond);

void SaveBmpFloorPlainWrite(benchmark::State &state)
{
    const QString path = shmPath("floor.bmp");
    for (auto _ : state)
        plainWrite(path, cameraFile().constData(), cameraFile().size());
    state.SetBytesProcessed(state.iterations() * cameraFile().size());
}
BENCHMARK(SaveBmpFloorPlainWrite)->Unit(benchmark::kMicrosecond);

void SaveBmpFloorCopy(benchmark::State &state)
{
    std::vector<char> target(std::size_t(cameraFile().size()));
    for (auto _ : state) {
        std::memcpy(target.data(), cameraFile().constData(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * cameraFile().size());
}
BENCHMARK(SaveBmpFloorCopy)->Unit(benchmark::kMicrosecond);
// A camera picture as a progressive JPEG whose last scan is repeated up to 1000 or 5000 scans in
// all, refused from its markers before anything is decoded; beside its floor, the picture's
// standard ten-scan progression decoded.
void RefuseManyScanJpeg(benchmark::State &state)
{
    const auto kind = state.range(0) == 0 ? RepeatedScan::Refinement : RepeatedScan::FirstPass;
    const QByteArray file = manyScanJpeg(scene(), kind, int(state.range(1)));
    for (auto _ : state) {
        if (JpegCodec::decode(bytesOf(file)))
            state.SkipWithError("decoded");
    }
    state.counters["fileKiB"] = double(file.size()) / 1024;
}
BENCHMARK(RefuseManyScanJpeg)
    ->ArgNames({"firstPass", "scans"})
    ->Args({0, 1000})
    ->Args({0, 5000})
    ->Args({1, 1000})
    ->Args({1, 5000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void RefuseManyScanJpegFloorStandardProgression(benchmark::State &state)
{
    const QByteArray file = manyScanJpeg(scene(), RepeatedScan::Refinement, 0);
    for (auto _ : state) {
        if (!JpegCodec::decode(bytesOf(file)))
            state.SkipWithError("refused");
    }
}
BENCHMARK(RefuseManyScanJpegFloorStandardProgression)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
