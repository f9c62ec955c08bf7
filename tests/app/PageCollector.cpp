// SPDX-License-Identifier: MIT
// The program's window over the simulated main unit, for the tests that stop a copy while it has
// pages: it scans the given number of pages, page n with the camera turned n quarters, says
// "collected" on standard output once they are on disk, and runs until it is stopped.
// PageCollector SETTINGS-FILE PAGES
#include "app/CMainFrame.h"
#include "app/CQuillon2App.h"
#include "app/CommandTable.h"
#include "sim/SimCommandSet.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("TOVA"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon for USB"));
    SimulatedMainUnit camera;
    SettingsStore settings(QString::fromLocal8Bit(argv[1]));
    CQuillon2App app(camera, &camera.deviceWatcher(), settings, QStringLiteral("PageCollector"));
    if (app.InitInstance({false, 1}) != CQuillon2App::StartResult::Started)
        return 3;
    const int pages = std::atoi(argv[2]);
    QTimer::singleShot(0, &app, [&] {
        CMainFrame &frame = *app.mainFrame();
        for (int n = 0; n < pages; ++n) {
            CameraSettings turned;
            turned.rotation = n % 4;
            camera.setSettings(turned);
            frame.commandAction(CommandId::ScanPage)->trigger();
        }
        frame.pdf().keepPagesForNextStart(); // waits until they are on disk
        std::printf("collected %d\n", frame.pdf().pages().count());
        std::fflush(stdout);
    });
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
