// SPDX-License-Identifier: MIT
// Placement against fake screens and a window manager that frames the window only after it is
// shown, as X11 window managers do: until then nothing tells the frame's margins.
#include "app/FramePlacement.h"

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {
class FakeWindowSystem
{
public:
    WindowSystem system(bool placesWindows = true)
    {
        WindowSystem fake;
        fake.availableAreas = [] {
            return QList<QRect>{QRect(0, 0, 1600, 1160)};
        };
        fake.frameMargins = [this](const QWidget &window) {
            return m_framed && window.windowHandle() ? window.windowHandle()->frameMargins()
                                                     : QMargins();
        };
        fake.placesWindows = placesWindows;
        return fake;
    }

    // The window manager has put its frame around the window and says so.
    void frame(QWidget &window, FramePlacement &placement)
    {
        m_framed = true;
        placement.windowChanged();
        ASSERT_FALSE(window.windowHandle()->frameMargins().isNull());
    }

private:
    bool m_framed = false;
};

// One run of the program: the window placed as stored, framed, closed; the text it stores.
QString runOnce(const QString &stored, bool placesWindows = true, QRect *outer = nullptr)
{
    QWidget window;
    FakeWindowSystem windowManager;
    FramePlacement placement(window, windowManager.system(placesWindows));
    placement.apply(*parseWindowPlacement(stored));
    windowManager.frame(window, placement);
    if (outer)
        *outer = window.frameGeometry();
    return formatWindowPlacement(placement.current());
}

// The stored frame was applied as the window's own size: it grew by its frame on every start.
TEST(FramePlacement, AStoredPlacementComesBackAsTheSameWindowStartAfterStart)
{
    const QString stored = QStringLiteral("0,1,-1,-1,-1,-1,100,90,740,570");
    QString text = stored;
    for (int start = 1; start <= 5; ++start) {
        QRect outer;
        text = runOnce(text, true, &outer);
        EXPECT_EQ(text.toStdString(), stored.toStdString()) << "start " << start;
        EXPECT_EQ(outer, QRect(100, 90, 640, 480)) << "start " << start;
    }
}

// Off every screen or larger than it: the whole frame, title and bottom edge, on the screen.
TEST(FramePlacement, AnOversizedPlacementKeepsTheWholeFrameOnTheScreen)
{
    QRect outer;
    runOnce(QStringLiteral("0,1,-1,-1,-1,-1,-9000,40,100000,100000"), true, &outer);
    EXPECT_EQ(outer, QRect(0, 0, 1600, 1160));
}

// Wayland says 0,0 less its decoration for every window: storing that put the title bar off
// the screen on X11. Only the size is the window's; the position stays as stored, or centred.
TEST(FramePlacement, WhereWindowsCannotBePlacedOnlyTheSizeIsStored)
{
    const QString stored = QStringLiteral("0,1,-1,-1,-1,-1,100,90,740,570");
    EXPECT_EQ(runOnce(stored, false).toStdString(), stored.toStdString());

    QWidget window;
    FakeWindowSystem windowManager;
    FramePlacement placement(window, windowManager.system(false));
    placement.show(ShowCommand::ShowNormal);
    window.resize(640, 480);
    windowManager.frame(window, placement);
    const QRect normal = placement.current().normalRect();
    EXPECT_EQ(normal.size(), window.frameGeometry().size());
    EXPECT_LE((normal.center() - QRect(0, 0, 1600, 1160).center()).manhattanLength(), 2);
}

// Started maximized, the window manager remembers the size it was first given; unmaximising
// brings back the stored size, and closing while maximized stores it unchanged.
TEST(FramePlacement, UnmaximisingAfterAMaximizedStartRestoresTheStoredSize)
{
    const QString stored = QStringLiteral("2,3,-1,-1,-1,-1,100,90,740,570");
    QWidget window;
    FakeWindowSystem windowManager;
    FramePlacement placement(window, windowManager.system());
    placement.apply(*parseWindowPlacement(stored));
    ASSERT_TRUE(window.isMaximized());
    windowManager.frame(window, placement);
    EXPECT_EQ(formatWindowPlacement(placement.current()).toStdString(), stored.toStdString());

    window.showNormal();
    placement.windowChanged();
    EXPECT_EQ(window.frameGeometry().size(), QSize(640, 480));
}
} // namespace
