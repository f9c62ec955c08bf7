// SPDX-License-Identifier: MIT
// A camera that is plugged in but cannot be opened: by this user (no udev rule), or because
// another program holds it. The transport says which, and a headless capture tells the user.
#include "link/CameraLink.h"
#include "link/UsbTransport.h"
#include "tests/link/usb/EmulatedUsbBus.h"

#include <QProcess>

#include <gtest/gtest.h>
#include <optional>

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

void expectExplained(const CaptureRun &run, CameraRefusal refusal)
{
    EXPECT_EQ(run.exitCode, 2);
    const QByteArray expected =
        "USB: Failed to transmit.\n" + CameraLink::refusalExplanation(refusal).toUtf8() + "\n";
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
    std::optional<UsbTransport> holder(std::in_place);
    ASSERT_TRUE(holder->open(CommandPipeName));
    UsbTransport transport;
    EXPECT_FALSE(transport.open(CommandPipeName));
    EXPECT_EQ(transport.lastRefusal(), CameraRefusal::Busy);
    expectExplained(captureHeadless(), CameraRefusal::Busy);

    holder.reset();
    EXPECT_TRUE(transport.open(CommandPipeName));
    EXPECT_EQ(transport.lastRefusal(), CameraRefusal::None);
}

} // namespace
