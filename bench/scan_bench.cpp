// SPDX-License-Identifier: MIT
// What a scanning program waits for, in wall time over all threads: a scan of the whole picture
// from the simulated main unit (sane_start and every sane_read) in colour and in grey, beside its
// peer, the headless capture of the same picture with the same settings (what --capture does
// before saving), and its floor, that capture's transfer alone.
#include "link/FrameCapture.h"
#include "link/MemoryBlock.h"
#include "picture/HeadlessFrame.h"
#include "picture/ImageHolder.h"
#include "picture/ShownPicture.h"
#include "sane/ScanDevice.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sane/saneopts.h>
#include <string>
#include <vector>

namespace {
void scan(benchmark::State &state, const char *mode)
{
    QTemporaryDir dir;
    ScanDevice device(std::make_unique<SimulatedMainUnit>(),
                      SettingsStore(dir.filePath(QStringLiteral("bench.conf"))));
    std::string value(mode);
    device.options().control(ScanOptions::Mode, SANE_ACTION_SET_VALUE, value.data(), nullptr);
    std::vector<SANE_Byte> buffer(32768);
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (device.start() != SANE_STATUS_GOOD) {
            state.SkipWithError("the scan failed");
            return;
        }
        SANE_Int length = 0;
        bytes = 0;
        while (device.read(buffer.data(), SANE_Int(buffer.size()), &length) == SANE_STATUS_GOOD)
            bytes += std::size_t(length);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes));
}

void headlessCapture(benchmark::State &state)
{
    QTemporaryDir dir;
    const SettingsStore settings(dir.filePath(QStringLiteral("bench.conf")));
    SimulatedMainUnit camera;
    HeadlessFrame frame(camera);
    ReadinessMonitor readiness(frame.link(), frame, frame);
    frame.setReadiness(&readiness);
    ImageHolder image;
    ShownPicture shown(
        image, frame, [] { return QSize(); }, [] {});
    shown.readSettings(settings);
    readiness.OnInitialUpdate();
    for (auto _ : state) {
        shown.capture();
        if (image.GetImage().isNull()) {
            state.SkipWithError("the capture failed");
            return;
        }
    }
}

void transferAlone(benchmark::State &state)
{
    SimulatedMainUnit camera;
    HeadlessFrame frame(camera);
    FrameCapture capture(frame.link());
    MemoryBlock kept;
    for (auto _ : state) {
        const FrameCapture::Result result = capture.run({}, &kept);
        if (result.croppedFrame.isNull() && !result.intoKeptFrame) {
            state.SkipWithError("the transfer failed");
            return;
        }
    }
}
} // namespace

BENCHMARK_CAPTURE(scan, Color, SANE_VALUE_SCAN_MODE_COLOR)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(scan, Gray, SANE_VALUE_SCAN_MODE_GRAY)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(headlessCapture)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(transferAlone)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
