// SPDX-License-Identifier: MIT
// What a user waits for, in wall time over all threads, on each kernel path: the whole capture
// through the simulated main unit (readiness, coefficients, the transfer of 1024 rows, crop,
// conversion, loading into the imaging control, sharpening, best fit and the drawing of the
// window) with the status bar's progress bar and without it; a zoom step; a resize followed by
// best fit; a preview refresh of the adjustment dialog. The floor beside the captures is the
// transfer alone; Qt's smooth scaling, the peer of the drawing, is in imaging_bench.
#include "app/CMainFrame.h"
#include "app/CMainStatusBar.h"
#include "app/MessagePresenters.h"
#include "app/StartUp.h"
#include "bench/PathBenchmarks.h"
#include "link/CameraLink.h"
#include "picture/FrameServices.h"
#include "picture/HeadlessFrame.h"
#include "picture/ImageHolder.h"
#include "picture/ImageMemory.h"
#include "picture/ShownPicture.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"
#include "view/CPictureAdjustDlg.h"
#include "view/CQuillon2View.h"

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
    int showWarning(int, const QString &, const QString &, const QString &) override { return 1; }
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

// What the event loop draws after a command: every part of a window that changed, once. A
// forced repaint would add a redraw that the program never asks for (of the whole main window
// with its menu and tool bars, or of a picture the capture has drawn already).
void drawPending()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

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

void captureWithProgressBar(benchmark::State &state, CpuPath)
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
        drawPending();
    }
    if (!frame.view().hasImage())
        state.SkipWithError("the capture failed");
    state.counters["progress paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

void captureWithoutProgressBar(benchmark::State &state, CpuPath)
{
    QTemporaryDir dir;
    auto settings = sharpeningSettings(dir);
    SimulatedMainUnit camera;
    HeadlessFrame frame(camera);
    CQuillon2View view(frame, *settings);
    frame.setReadiness(&view.readiness());
    view.resize(1000, 740);
    view.show();
    waitUntilExposed(view);
    view.OnInitialUpdate();
    for (auto _ : state) {
        view.OnCapture();
        drawPending();
    }
    if (!view.hasImage())
        state.SkipWithError("the capture failed");
}
// A main window at best fit after one capture, for the drawing benchmarks.
struct CapturedWindow
{
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings = sharpeningSettings(dir);
    SimulatedMainUnit camera;
    SilentPresenter presenter;
    CMainFrame frame{camera, presenter, *settings};

    CapturedWindow()
    {
        frame.resize(1000, 800);
        frame.show();
        waitUntilExposed(frame);
        frame.view().OnInitialUpdate();
        frame.view().OnCapture();
        frame.repaint();
    }
};

// One zoom step out or in (alternately) from best fit, drawn.
void zoomStep(benchmark::State &state, CpuPath)
{
    CapturedWindow window;
    bool out = true;
    for (auto _ : state) {
        out ? window.frame.view().OnZoomOut() : window.frame.view().OnZoomIn();
        out = !out;
        drawPending();
    }
}

// The window resized (alternately larger and smaller), then best fit, drawn.
void resizeAtBestFit(benchmark::State &state, CpuPath)
{
    CapturedWindow window;
    bool larger = true;
    for (auto _ : state) {
        window.frame.resize(larger ? QSize(1040, 830) : QSize(1000, 800));
        larger = !larger;
        window.frame.view().OnBestFit();
        drawPending();
    }
}

// The adjustment dialog's preview re-made (convert, load, sharpen, draw) over the main window,
// from a frame captured without one.
void previewRefresh(benchmark::State &state, CpuPath)
{
    CapturedWindow window;
    SimulatedMainUnit camera;
    HeadlessFrame headless(camera);
    ImageHolder image;
    ShownPicture shown(
        image, headless, [] { return QSize(); }, [] {});
    shown.readSettings(*window.settings);
    shown.capture();
    if (shown.rawFrame().isNull())
        state.SkipWithError("the capture failed");
    CPictureAdjustDlg dialog(shown, window.frame, &window.frame);
    dialog.seed(CPictureAdjustDlg::ModeSharpness, shown.settings());
    dialog.show();
    waitUntilExposed(dialog);
    for (auto _ : state) {
        dialog.RefreshPreview();
        dialog.repaint();
    }
}

// The floor: the six command exchanges and the transfer of the raw frame, nothing else.
void transferOnly(benchmark::State &state)
{
    SimulatedMainUnit camera;
    HeadlessFrame frame(camera);
    QTemporaryDir dir;
    auto settings = sharpeningSettings(dir);
    CQuillon2View view(frame, *settings);
    frame.setReadiness(&view.readiness());
    view.OnInitialUpdate();
    CameraLink &link = frame.link();
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

const bool Registered = [] {
    benchmarkEachPath("Capture/progress-bar", captureWithProgressBar,
                      {CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512}, benchmark::kMillisecond);
    benchmarkEachPath("Capture/no-progress-bar", captureWithoutProgressBar,
                      {CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512}, benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Capture/floor-transfer", transferOnly)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmarkEachPath("ZoomStep", zoomStep, {CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512},
                      benchmark::kMillisecond);
    benchmarkEachPath("ResizeAtBestFit", resizeAtBestFit,
                      {CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512}, benchmark::kMillisecond);
    benchmarkEachPath("PreviewRefresh", previewRefresh,
                      {CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512}, benchmark::kMillisecond);
    return true;
}();
} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // As the program itself runs.
    ImageMemory::keepInProcess();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
