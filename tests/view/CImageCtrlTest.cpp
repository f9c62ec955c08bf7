// SPDX-License-Identifier: MIT
#include "view/CImageCtrl.h"

#include "imaging/ZoomGeometry.h"
#include "link/MemoryBlock.h"
#include "tests/doubles/SyntheticScene.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <gtest/gtest.h>

namespace {
void load(CImageCtrl &control, const QImage &image)
{
    const QByteArray file = cameraBmpFile(image);
    MemoryBlock block = MemoryBlock::allocate(std::size_t(file.size()));
    std::memcpy(block.data(), file.constData(), block.size());
    ASSERT_EQ(control.LoadFromMemory(block, 0, 0, long(block.size())), 0);
}

QImage filled(QColor colour)
{
    QImage image(40, 30, QImage::Format_BGR888);
    image.fill(colour);
    return image;
}

QImage checkerboard(int side)
{
    QImage image(side, side, QImage::Format_BGR888);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
    return image;
}

QColor centreOf(CImageCtrl &control)
{
    const QImage shot = control.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

void drag(QWidget *viewport, QPoint from, QPoint to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, viewport->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, viewport->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QApplication::sendEvent(viewport, &move);
    QApplication::sendEvent(viewport, &release);
}

TEST(CImageCtrl, SuspendedRepaintKeepsShowingTheOldPicture)
{
    CImageCtrl control;
    control.resize(200, 150);
    control.SetSizeMode(ImagingControl::SizeModeStretch);
    load(control, filled(Qt::red));
    EXPECT_EQ(centreOf(control), QColor(Qt::red));

    control.SetRepaintEnabled(false);
    control.SetImageHandle(0);
    load(control, filled(Qt::blue));
    control.SetSizeMode(ImagingControl::SizeModeZoom);
    control.SetZoomPercent(10);
    EXPECT_EQ(control.Repaint(), 0);
    EXPECT_EQ(centreOf(control), QColor(Qt::red));

    control.SetSizeMode(ImagingControl::SizeModeStretch);
    control.SetRepaintEnabled(true);
    EXPECT_EQ(centreOf(control), QColor(Qt::blue));
}

// A file is decoded aside while this thread's events run, so that the window is drawn (and the
// session hears from the program) however long a large file takes.
TEST(CImageCtrl, LoadFileLetsEventsRunMeanwhile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(cameraBmpFile(checkerboard(2000)));
    file.close();
    CImageCtrl control;
    bool ranDuringTheLoad = false;
    QTimer::singleShot(0, &control, [&] { ranDuringTheLoad = control.GetImageWidth() == 0; });
    ASSERT_EQ(control.LoadFile(path, 0, 0, 1), 0);
    EXPECT_TRUE(ranDuringTheLoad);
    EXPECT_EQ(control.GetImageWidth(), 2000.0f);
}

// At 100 % every drawn pixel is the image's own; enlarged, pixels are repeated, not blurred;
// reduced, a one-pixel checkerboard becomes an even grey instead of an aliased pattern.
TEST(CImageCtrl, ScalingIsSharpWhenEnlargedAndSmoothWhenReduced)
{
    CImageCtrl control;
    control.resize(200, 150);
    const QImage board = checkerboard(64);
    load(control, board);

    const QImage actual = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(actual.copy(68, 43, 64, 64), board.convertToFormat(QImage::Format_RGB32));

    control.SetZoomPercent(250);
    const QImage enlarged = control.grab().toImage();
    for (int y = 0; y < 140; ++y) // 160 x 160, centred across, scrolled down
        for (int x = 20; x < 165; ++x) {
            const int grey = qGray(enlarged.pixel(x, y));
            ASSERT_TRUE(grey == 0 || grey == 255) << x << "," << y << ": " << grey;
        }

    control.SetZoomPercent(45); // 29 x 29 at (85, 60)
    const QImage reduced = control.grab().toImage();
    for (int y = 62; y < 87; ++y)
        for (int x = 87; x < 112; ++x) {
            const int grey = qGray(reduced.pixel(x, y));
            ASSERT_TRUE(grey > 64 && grey < 192) << x << "," << y << ": " << grey;
        }
}

// Scroll bars appear only when the picture is larger than the control, with the ranges the
// geometry gives. Set QUILLON_SCREENSHOT_DIR to keep the two renderings for a person to look at.
TEST(CImageCtrl, ScrollBarsWhenLargerThanTheControl)
{
    CImageCtrl control;
    control.resize(800, 600);
    load(control, syntheticScene());
    const QString shots = qEnvironmentVariable("QUILLON_SCREENSHOT_DIR");

    control.SetZoomPercent(100);
    const QImage actual = control.grab().toImage();
    EXPECT_TRUE(control.horizontalScrollBar()->isVisibleTo(&control));
    EXPECT_TRUE(control.verticalScrollBar()->isVisibleTo(&control));
    const QSize viewport = control.viewport()->size();
    EXPECT_EQ(control.horizontalScrollBar()->maximum(), 1272 - viewport.width());
    EXPECT_EQ(control.verticalScrollBar()->maximum(), 1024 - viewport.height());

    control.SetZoomPercent(45);
    const QImage reduced = control.grab().toImage();
    EXPECT_FALSE(control.horizontalScrollBar()->isVisibleTo(&control));
    EXPECT_FALSE(control.verticalScrollBar()->isVisibleTo(&control));
    EXPECT_EQ(control.horizontalScrollBar()->maximum(), 0);

    control.SetOption57(false);
    control.SetZoomPercent(250);
    EXPECT_FALSE(control.horizontalScrollBar()->isVisibleTo(&control));
    EXPECT_EQ(control.horizontalScrollBar()->maximum(), 3180 - 800);

    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        EXPECT_TRUE(actual.save(QDir(shots).filePath("zoom100.png")));
        EXPECT_TRUE(reduced.save(QDir(shots).filePath("zoom45.png")));
    }
}

TEST(CImageCtrl, DraggingPansOnlyWhenOption5IsOn)
{
    CImageCtrl control;
    control.resize(400, 300);
    load(control, syntheticScene(400, 300));
    control.SetZoomPercent(250);
    const QPoint start(control.horizontalScrollBar()->value(),
                       control.verticalScrollBar()->value());

    drag(control.viewport(), {200, 150}, {150, 120});
    EXPECT_EQ(control.horizontalScrollBar()->value(), start.x());

    control.SetOption5(true);
    drag(control.viewport(), {200, 150}, {150, 120});
    EXPECT_EQ(control.horizontalScrollBar()->value(), start.x() + 50);
    EXPECT_EQ(control.verticalScrollBar()->value(), start.y() + 30);
}

TEST(CImageCtrl, StretchModeKeepsTheZoomAndNeedsNoScrollBars)
{
    CImageCtrl control;
    control.resize(186, 172);
    control.SetBorderStyle(1);
    load(control, syntheticScene());
    control.SetZoomPercent(250);
    control.SetSizeMode(ImagingControl::SizeModeStretch);
    EXPECT_EQ(control.GetZoomPercent(), 250.0f);
    EXPECT_EQ(control.horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(control.verticalScrollBar()->isVisibleTo(&control));
    control.SetZoomPercent(-3);
    EXPECT_EQ(control.GetZoomPercent(), 250.0f);
}
} // namespace
