// SPDX-License-Identifier: MIT
// Draws the remote panel as a user sees it, for a person to look at:
//   remote_panel_shot OUTPUT.png [KEY-ID...] [+KEY-ID]
// The panel opens on the simulated main unit with its default settings; each KEY-ID is then
// clicked in turn, and a key given as +KEY-ID is left held down when the picture is taken.
#include "link/CameraLink.h"
#include "remote/CRemoteControlDlg.h"
#include "sim/SimulatedMainUnit.h"
#include "tests/doubles/RecordingLinkHost.h"
#include "tests/doubles/RecordingMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdio>

namespace {
class Owner : public RemotePanelOwner
{
public:
    void OnRemotePanelDestroyed() override {}
};
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: remote_panel_shot OUTPUT.png [KEY-ID...] [+KEY-ID]\n");
        return 2;
    }
    SimulatedMainUnit unit;
    RecordingMessages presenter;
    RecordingLinkHost host(presenter);
    CameraLink link(unit, host);
    Owner owner;
    CRemoteControlDlg panel(link, owner, nullptr);
    if (!panel.Create() || !QTest::qWaitForWindowExposed(&panel))
        return 1;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        QAbstractButton *key =
            panel.control(arg.startsWith(QLatin1Char('+')) ? arg.mid(1).toInt() : arg.toInt());
        if (!key) {
            std::fprintf(stderr, "remote_panel_shot: no key %s\n", argv[i]);
            return 2;
        }
        if (arg.startsWith(QLatin1Char('+')))
            QTest::mousePress(key, Qt::LeftButton);
        else
            QTest::mouseClick(key, Qt::LeftButton);
    }
    return panel.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
