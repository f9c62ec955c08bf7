// SPDX-License-Identifier: MIT
#include "link/ColorConversion.h"
#include "link/LinkError.h"
#include "tests/TestSupport.h"
#include "tests/doubles/ScriptedTransport.h"
#include "tests/support/LiteralConversion.h"
#include "tests/view/ViewFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

using namespace std::chrono_literals;

namespace {
using Calls = std::vector<std::string>;
using CaptureTest = ViewFixture;

// The picture the camera's current frame should become, by the literal formula.
QByteArray expectedBitmap(SimulatedMainUnit &camera, ColorCoefficients k, int gamma)
{
    const auto raw = camera.currentFrame();
    std::vector<std::uint8_t> cropped(FrameLayout::CroppedFrameBytes);
    EXPECT_TRUE(CropRawFrame(*raw, cropped));
    QByteArray bitmap(int(FrameLayout::BitmapImageSize), '\0');
    auto *bytes = reinterpret_cast<std::uint8_t *>(bitmap.data());
    writeBitmapHeader(std::span<std::uint8_t, FrameLayout::BitmapHeaderBytes>(bytes, 54));
    convertPixelsLiterally(std::span<const std::uint8_t, FrameLayout::CroppedFrameBytes>(cropped),
                           std::span<std::uint8_t, FrameLayout::BitmapPixelBytes>(
                               bytes + 54, FrameLayout::BitmapPixelBytes),
                           k, gamma);
    return bitmap;
}

TEST_F(CaptureTest, ShowsTheConvertedFrameSharpenedAtBestFit)
{
    camera.setCoefficients({80, 100, 30, 20});
    settings->write(Setting::Sharpness, 4);
    view->OnInitialUpdate();
    control.clear();
    view->OnCapture();

    EXPECT_TRUE(presenter.shown.empty());
    const std::deque<std::string> &sent = camera.receivedCommands();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(sent.end() - 3, sent.end()),
              (std::vector<std::string>{"QS4  ", "QS4  ", "TR0  "}));
    EXPECT_EQ(view->colorCoeff(), (ColorCoefficients{80, 100, 30, 20}));
    EXPECT_EQ(control.commands(),
              (Calls{"SetRepaintEnabled(false)", "SetImageHandle(0)",
                     "LoadFromMemory(3907638, 0, 0, 3907638)", "Sharpen(800)", "SetSizeMode(4)",
                     "SetZoomPercent(58.5938)", "SetRepaintEnabled(true)"}));
    EXPECT_EQ(control.lastLoadedBlock, expectedBitmap(camera, view->colorCoeff(), 1));
    EXPECT_TRUE(view->hasImage());
    EXPECT_FLOAT_EQ(frame->zoomReadouts.back(), 58.59375f);
    EXPECT_EQ(frame->statusRequests, (std::vector<int>{StringId::Busy, StringId::Ready}));
    EXPECT_TRUE(frame->menusEnabled[1] && frame->menusEnabled[3]);
    // The frame takes no input during the transfer; the bar counts every row, then goes back.
    EXPECT_EQ(std::count(frame->events.begin(), frame->events.end(), "frame disabled"), 1);
    ASSERT_EQ(frame->progress.size(), 1025u);
    EXPECT_EQ(frame->progress[0], 1);
    EXPECT_EQ(frame->progress[1023], 1024);
    EXPECT_EQ(frame->progress.back(), 0);
}

TEST_F(CaptureTest, KeepsTheCroppedFrameAndReusesItsBlock)
{
    captureOnce();
    ASSERT_FALSE(view->rawFrame().isNull());
    const std::uint8_t *block = view->rawFrame().data();
    std::vector<std::uint8_t> cropped(FrameLayout::CroppedFrameBytes);
    ASSERT_TRUE(CropRawFrame(*camera.currentFrame(), cropped));
    EXPECT_EQ(std::memcmp(view->rawFrame().data(), cropped.data(), cropped.size()), 0);
    view->OnCapture();
    EXPECT_EQ(view->rawFrame().data(), block);
}

TEST_F(CaptureTest, AShortRowLeavesThePreviousPictureAndFrame)
{
    captureOnce();
    const std::vector<std::uint8_t> kept(view->rawFrame().data(),
                                         view->rawFrame().data() + view->rawFrame().size());
    camera.setCoefficients({1, 2, 3, 4});
    camera.shortenRow(500);
    frame->progress.clear();
    view->OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::CaptureFailed)});
    EXPECT_TRUE(control.commands().empty()) << "the shown picture was touched";
    EXPECT_TRUE(view->hasImage());
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), view->rawFrame().data()));
    // The coefficients of the failed capture are kept, as the next conversion will use them.
    EXPECT_EQ(view->colorCoeff(), (ColorCoefficients{1, 2, 3, 4}));
    ASSERT_GE(frame->progress.size(), 2u);
    EXPECT_EQ(frame->progress[frame->progress.size() - 2], 499);
    EXPECT_EQ(frame->progress.back(), 0);
    EXPECT_EQ(frame->statusRequests.back(), StringId::Ready);
}

TEST(CaptureReply, AnUnreadableCoefficientReplyGivesAGreyPicture)
{
    // The reply pipe fails for the second "QS4  " only, the one that carries the coefficients.
    ScriptedTransport camera;
    camera.setReply("QS4  ", {0, 90, 113, 23, 11, 0, 0, 0});
    camera.setReply("TR0  ", {0x06});
    int replyOpens = 0;
    camera.setOnOpen([&](const std::string &pipe) {
        if (pipe == "PIPE01")
            camera.setMissing("PIPE01", ++replyOpens == 2);
    });
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("q.conf")));
    RecordingMessages presenter;
    RecordingFrame frame(camera, presenter);
    RecordingImagingControl control;
    CQuillon2View view(frame, settings, nullptr, &control);
    frame.readiness = &view.readiness();
    view.OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::ReceiveFailed)});
    EXPECT_EQ(view.colorCoeff(), ColorCoefficients{});
    ASSERT_TRUE(view.hasImage());
    const QByteArray &bmp = control.lastLoadedBlock;
    for (qsizetype i = 54; i < bmp.size(); i += 3)
        ASSERT_TRUE(bmp[i] == bmp[i + 1] && bmp[i + 1] == bmp[i + 2]) << "pixel at byte " << i;
}

TEST_F(CaptureTest, ARefusedTransferStopsBeforeAnyAllocation)
{
    view->OnInitialUpdate();
    camera.refuseNextCommand();
    AllocationFaults::clear();
    view->OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::CommunicationFailed)});
    EXPECT_EQ(AllocationFaults::attempts(), 0);
    EXPECT_FALSE(view->hasImage());
    EXPECT_TRUE(frame->statusRequests.empty());
}

TEST_F(CaptureTest, AnInitializingCameraOnlyStartsPolling)
{
    view->OnInitialUpdate();
    camera.setInitializing(1);
    view->OnCapture();
    EXPECT_EQ(frame->statusRequests, std::vector<int>{StringId::Initializing});
    EXPECT_TRUE(view->readiness().isTimerArmed());
    EXPECT_EQ(camera.receivedCommands().back(), "QS4  ");
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(CaptureTest, AnAbsentCameraStopsSilently)
{
    view->OnInitialUpdate();
    camera.unplug();
    view->OnCapture();
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_TRUE(control.callsTo("LoadFromMemory").empty());
}

// A scanning program holds the camera for its capture: Capture says so, and the camera is
// polled until it is free; then Capture works.
TEST_F(CaptureTest, ACameraAnotherProgramHoldsIsExplainedAndUsedOnceFree)
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("unit.lock"));
    SimulatedMainUnit scanner;
    QString error;
    ASSERT_TRUE(camera.shareThrough(lock, &error) && scanner.shareThrough(lock, &error));
    view->OnInitialUpdate();
    scanner.beginOperation();
    ASSERT_TRUE(scanner.open(CommandPipeName));

    view->OnCapture();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, CameraLink::refusalExplanation(CameraRefusal::Busy));
    EXPECT_FALSE(view->hasImage());
    EXPECT_TRUE(view->readiness().isTimerArmed());

    scanner.endOperation();
    ASSERT_TRUE(waitUntil([this] { return view->readiness().isReady(); }, 5s));
    view->OnCapture();
    EXPECT_TRUE(view->hasImage());
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(CaptureTest, AnImagePipeThatCannotBeOpenedFailsTheTransfer)
{
    view->OnInitialUpdate();
    camera.failNextImagePipe();
    view->OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::CaptureFailed)});
    EXPECT_FALSE(view->hasImage());
    EXPECT_TRUE(view->rawFrame().isNull());
}

TEST_F(CaptureTest, ARefusedBitmapLeavesNoPicture)
{
    captureOnce();
    control.loadFromMemoryResult = 1;
    view->OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::LoadFailed)});
    EXPECT_FALSE(view->hasImage());
    EXPECT_LT(frame->zoomReadouts.back(), 0.0f);
    EXPECT_FALSE(frame->menusEnabled[1] || frame->menusEnabled[3]);
    EXPECT_EQ(control.commands().back(), "SetRepaintEnabled(true)");
    EXPECT_EQ(frame->statusRequests.back(), StringId::Ready);
}

// The four allocations of a capture, in order: raw frame, cropped frame, kept frame (first
// capture only), bitmap.
struct AllocationCase
{
    int failing;
    bool busyShown;
};

class CaptureAllocation : public ViewFixture, public ::testing::WithParamInterface<AllocationCase>
{};

TEST_P(CaptureAllocation, FailureIsReportedAndLeavesNoPicture)
{
    view->OnInitialUpdate();
    AllocationFaults::clear();
    AllocationFaults::failAllocation(GetParam().failing);
    view->OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::OutOfMemory)});
    EXPECT_FALSE(view->hasImage());
    EXPECT_TRUE(control.callsTo("LoadFromMemory").empty());
    if (GetParam().busyShown)
        EXPECT_EQ(frame->statusRequests, (std::vector<int>{StringId::Busy, StringId::Ready}));
    else
        EXPECT_TRUE(frame->statusRequests.empty());
    // Only a failed bitmap leaves the new frame kept for later.
    EXPECT_EQ(view->rawFrame().isNull(), GetParam().failing != 4);
}

// Later captures crop straight into the kept frame: two allocations, raw frame and bitmap, each
// still reported when it fails, and the new frame is the one kept and shown.
TEST_F(CaptureTest, ALaterCaptureCropsIntoTheKeptFrame)
{
    captureOnce();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("frame.raw")));
    std::vector<char> raw(FrameLayout::RawFrameBytes);
    for (std::size_t i = 0; i < raw.size(); ++i)
        raw[i] = char(i * 7 / 5);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(raw.data(), qint64(raw.size())) == qint64(raw.size()));
    file.close();
    QString error;
    ASSERT_TRUE(camera.loadFrame(file.fileName(), &error)) << error.toStdString();

    AllocationFaults::clear();
    AllocationFaults::failAllocation(2);
    view->OnCapture();
    EXPECT_EQ(AllocationFaults::attempts(), 2);
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::OutOfMemory)});
    AllocationFaults::clear();
    view->OnCapture();
    EXPECT_EQ(AllocationFaults::attempts(), 2);
    EXPECT_EQ(control.lastLoadedBlock, expectedBitmap(camera, view->colorCoeff(), 1));
}

INSTANTIATE_TEST_SUITE_P(EachAllocation, CaptureAllocation,
                         ::testing::Values(AllocationCase{1, false}, AllocationCase{2, true},
                                           AllocationCase{3, true}, AllocationCase{4, true}),
                         [](const auto &info) {
                             return "Allocation" + std::to_string(info.param.failing);
                         });
} // namespace
