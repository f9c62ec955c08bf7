// SPDX-License-Identifier: MIT
// The SANE backend, loaded by scanimage started from here, sees the same emulated bus: the
// camera is offered while it is plugged in, and a scan while another handle holds it is busy.
#include "link/UsbTransport.h"
#include "tests/link/usb/EmulatedUsbBus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct ScanimageRun
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

// scanimage with only our backend, configured to offer both devices.
ScanimageRun scanimage(const QStringList &arguments)
{
    QTemporaryDir config;
    QDir(config.path()).mkdir(QStringLiteral("dll.d"));
    QFile::copy(QStringLiteral(QUILLON_SOURCE_DIR "/sane/dll.d/quillon"),
                config.filePath(QStringLiteral("dll.d/quillon")));
    QFile conf(config.filePath(QStringLiteral("quillon.conf")));
    if (!conf.open(QIODevice::WriteOnly) || conf.write("usb\nsimulated\n") < 0)
        return {};
    conf.close();
    QFile(config.filePath(QStringLiteral("dll.conf"))).open(QIODevice::WriteOnly);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SANE_CONFIG_DIR"), config.path());
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"),
                       QStringLiteral(QUILLON_SANE_MODULE_DIR ":") +
                           environment.value(QStringLiteral("LD_LIBRARY_PATH")));
    environment.insert(QStringLiteral("SANE_DEBUG_QUILLON"), QStringLiteral("1"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(config.path());
    process.start(QStringLiteral("scanimage"), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(SaneOverUsb, ListsTheCameraOnTheBusBesideTheSimulatedOne)
{
    EXPECT_FALSE(scanimage({QStringLiteral("-L")}).output.contains("quillon:usb"));

    EmulatedUsbBus bus;
    bus.plug(cameraSpec());
    const ScanimageRun run = scanimage({QStringLiteral("-L")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "device `quillon:usb' is a TOVA USB document camera still camera\n"
                          "device `quillon:simulated' is a TOVA USB document camera (simulated) "
                          "still camera\n");
}

TEST(SaneOverUsb, AScanWhileAnotherProgramHoldsTheCameraIsBusy)
{
    EmulatedUsbBus bus;
    bus.plug(cameraSpec());
    UsbTransport program;
    program.beginOperation();
    ASSERT_TRUE(program.open(CommandPipeName));

    const ScanimageRun run =
        scanimage({QStringLiteral("-d"), QStringLiteral("quillon:usb"),
                   QStringLiteral("--format=png"), QStringLiteral("-o"), QStringLiteral("s.png")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(
        run.errors.contains("quillon.sane: sane_start: another program is using the camera"))
        << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("scanimage: sane_start: Device busy"));
    program.endOperation();
}
} // namespace
