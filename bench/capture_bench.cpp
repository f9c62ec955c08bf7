// SPDX-License-Identifier: MIT
// The whole capture through the simulated main unit: readiness, coefficients, the transfer of
// 1024 rows, crop, conversion, loading into the imaging control, sharpening, best fit and the
// drawing of the window, with the status bar's progress bar and without it. The floor beside
// them is the transfer alone.
#include "app/CMainFrame.h"
#include "app/CMainStatusBar.h"
#include "app/HeadlessFrame.h"
#include "app/StartUp.h"
#include "link/CameraLink.h"
#include "link/MessagePresenter.h"
#include "settings/SettingsStore.h"
#include "sim/SimulatedMainUnit.h"
#include "view/CQuillon2View.h"
#include "view/FrameServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {
class SilentPresenter : public MessagePresenter
{
public:
    int showWarning(int, const QString &, const QString &) override { return 1; }
};

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Drawing counts only once the window system shows the window.
void waitUntilExposed(QWidget &window)
{
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

std::unique_ptr<SettingsStore> sharpeningSettings(const QTemporaryDir &dir)
{
    auto settings = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("bench.conf")));
    settings->write(Setting::Sharpness, 4); // amount 800: the capture sharpens
    return settings;
}

void BM_CaptureWithProgressBar(benchmark::State &state)
{
    QTemporaryDir dir;
    auto settings = sharpeningSettings(dir);
    SimulatedMainUnit camera;
    SilentPresenter presenter;
    CMainFrame frame(camera, presenter, *settings);
    frame.resize(1000, 800);
    frame.show();
    waitUntilExposed(frame);
    frame.view().OnInitialUpdate();
    PaintCounter counter;
    frame.mainStatusBar().progress().installEventFilter(&counter);
    for (auto _ : state) {
        frame.view().OnCapture();
        frame.repaint();
    }
    if (!frame.view().hasImage())
        state.SkipWithError("the capture failed");
    state.counters["progress paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CaptureWithProgressBar)->Unit(benchmark::kMillisecond);

void BM_CaptureWithoutProgressBar(benchmark::State &state)
{
    QTemporaryDir dir;
    auto settings = sharpeningSettings(dir);
    SimulatedMainUnit camera;
    SilentPresenter presenter;
    HeadlessFrame frame(camera, presenter);
    CQuillon2View view(frame, *settings);
    frame.setView(&view);
    view.resize(1000, 740);
    view.show();
    waitUntilExposed(view);
    view.OnInitialUpdate();
    for (auto _ : state) {
        view.OnCapture();
        view.repaint();
    }
    if (!view.hasImage())
        state.SkipWithError("the capture failed");
}
BENCHMARK(BM_CaptureWithoutProgressBar)->Unit(benchmark::kMillisecond);

// The floor: the six command exchanges and the transfer of the raw frame, nothing else.
void BM_TransferOnly(benchmark::State &state)
{
    SimulatedMainUnit camera;
    SilentPresenter presenter;
    HeadlessFrame frame(camera, presenter);
    QTemporaryDir dir;
    auto settings = sharpeningSettings(dir);
    CQuillon2View view(frame, *settings);
    frame.setView(&view);
    view.OnInitialUpdate();
    CameraLink &link = frame.Link();
    MemoryBlock raw = MemoryBlock::allocate(FrameLayout::RawFrameBytes);
    for (auto _ : state) {
        ReplyPacket reply{};
        link.SendCommand("QS4  ");
        link.ReadReply(reply);
        link.SendCommand("QS4  ");
        link.ReadReply(reply);
        link.SendCommand("TR0  ");
        link.CheckAck();
        if (!link.ReadImageBlock(raw))
            state.SkipWithError("the transfer failed");
        benchmark::DoNotOptimize(raw.data());
    }
}
BENCHMARK(BM_TransferOnly)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // As the program itself runs.
    keepImageMemoryInProcess();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
