// SPDX-License-Identifier: MIT
// A camera that is plugged in but cannot be opened: by this user (no udev rule), or because
// another program holds it. The transport says which, and a headless capture tells the user.
#include "link/CameraLink.h"
#include "link/UsbTransport.h"
#include "tests/link/usb/EmulatedUsbBus.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {
struct CaptureRun
{
    int exitCode = -1;
    QByteArray errors;
};

// The program, started from here, sees the same emulated bus.
CaptureRun captureHeadless()
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_PROGRAM),
                  {QStringLiteral("--capture=/nonexistent/x.jpg")});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

// A camera this user may not open is not there for it (2); one another program holds for the
// moment is busy (4), which is no failure to transmit.
void expectExplained(const CaptureRun &run, CameraRefusal refusal)
{
    const bool busy = refusal == CameraRefusal::Busy;
    EXPECT_EQ(run.exitCode, busy ? 4 : 2);
    const QByteArray expected = QByteArray(busy ? "" : "USB: Failed to transmit.\n") +
                                CameraLink::refusalExplanation(refusal).toUtf8() + "\n";
    EXPECT_EQ(run.errors, expected);
}

TEST(RefusedCamera, ADeviceFileThisUserMayNotOpenIsPermissionDenied)
{
    EmulatedUsbBus bus;
    bus.plug(cameraSpec(), EmulatedUsbBus::NodeAccess::Denied);
    UsbTransport transport;
    EXPECT_FALSE(transport.open(CommandPipeName));
    EXPECT_EQ(transport.lastRefusal(), CameraRefusal::PermissionDenied);
    expectExplained(captureHeadless(), CameraRefusal::PermissionDenied);
}

TEST(RefusedCamera, ACameraAnotherHandleHoldsIsBusyUntilItLetsGo)
{
    EmulatedUsbBus bus;
    bus.plug(cameraSpec());
    UsbTransport holder;
    auto held = holder.open(CommandPipeName);
    ASSERT_TRUE(held);
    UsbTransport transport;
    EXPECT_FALSE(transport.open(CommandPipeName));
    EXPECT_EQ(transport.lastRefusal(), CameraRefusal::Busy);
    expectExplained(captureHeadless(), CameraRefusal::Busy);

    held.reset();
    EXPECT_TRUE(transport.open(CommandPipeName));
    EXPECT_EQ(transport.lastRefusal(), CameraRefusal::None);
}

} // namespace
