// SPDX-License-Identifier: MIT
#include "app/CommandTable.h"
#include "link/LinkError.h"
#include "picture/ImagingControl.h"
#include "tests/TestSupport.h"
#include "tests/app/MainFrameFixture.h"
#include "view/CImageCtrl.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {
using CMainFrameTest = MainFrameFixture;

// What each item shows: its text and, after a tab, the key of its shortcut.
QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator()) {
            texts << QStringLiteral("-");
            continue;
        }
        const QKeySequence key = action->shortcut();
        texts << action->text() +
                     (key.isEmpty() ? QString() : u'\t' + key.toString(QKeySequence::NativeText));
    }
    return texts;
}

TEST_F(CMainFrameTest, MenuBarHasTheFiveMenusWithTheirItems)
{
    makeFrame();
    const QList<QAction *> top = frame->menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Remote control"));
    EXPECT_EQ(menuTexts(frame->topMenu(0)),
              (QStringList{"&Save...\tCtrl+S", "Save &as PDF...", "&Capture\tAlt+C", "-",
                           "&Print...\tCtrl+P", "-", "&JPEG Setting...", "-", "E&xit\tAlt+F4"}));
    EXPECT_EQ(menuTexts(frame->topMenu(1)),
              (QStringList{"&Copy\tCtrl+C", "-", "&Sharpness...", "&Gamma correction...", "-",
                           "&Add page\tCtrl+D", "&Edit and add page...\tCtrl+E",
                           "Capture and a&dd page\tCtrl+Shift+D", "&Pages...",
                           "&Recognition languages..."}));
    EXPECT_EQ(menuTexts(frame->topMenu(2)),
              (QStringList{"&Show the RC\tCtrl+R", "&Hide the RC\tCtrl+R"}));
    EXPECT_EQ(menuTexts(frame->topMenu(3)),
              (QStringList{"Zoom &In\tCtrl+[", "Zoom &Out\tCtrl+]", "-", "Best &Fit",
                           "&Actual Size\tCtrl+0"}));
    EXPECT_EQ(menuTexts(frame->topMenu(4)), QStringList{"&About Quillon for USB..."});
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quillon for USB"));
}

// A screen reader reads a name, not "Save...\tCtrl+S"; the key is the item's shortcut. The tool
// bar's remote-control toggle, in no menu, is named too.
TEST_F(CMainFrameTest, MenuItemsAndToolBarButtonsAreReadByName)
{
    makeFrame();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    QAccessibleInterface *save = QAccessible::queryAccessibleInterface(frame->topMenu(0))->child(0);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(QAccessible::Name).toStdString(), "Save...");
    EXPECT_EQ(save->text(QAccessible::Accelerator).toStdString(), "Ctrl+S");
    QStringList names;
    for (QAction *action : frame->toolBar().actions()) {
        if (QWidget *button = frame->toolBar().widgetForAction(action); !action->isSeparator())
            names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    }
    EXPECT_EQ(names, (QStringList{"Save", "Capture", "Add page", "Show/Hide the RC", "Zoom In",
                                  "Zoom Out", "Exit"}));
}

TEST_F(CMainFrameTest, ToolBarHoldsItsButtonsWithToolTipsAndPrompts)
{
    makeFrame();
    QStringList tips;
    for (QAction *action : frame->toolBar().actions())
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    EXPECT_EQ(tips, (QStringList{"Save", "Capture", "Add page", "-", "Show/Hide the RC", "Zoom in",
                                 "Zoom out", "-", "Exit"}));
    EXPECT_EQ(frame->commandAction(CommandId::Capture)->statusTip(),
              QStringLiteral("Capture a new image from the main unit."));
    for (QAction *action : frame->toolBar().actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
}

// Each button shows its own cell of the strip drawn for the device pixel ratio, never another
// ratio's image scaled.
TEST_F(CMainFrameTest, ToolBarIconsAreTheStripDrawnForEachRatio)
{
    makeFrame();
    const QImage strips[] = {QImage(QStringLiteral(":/images/toolbar.png")),
                             QImage(QStringLiteral(":/images/toolbar@2x.png"))};
    for (const int ratio : {1, 2}) {
        const QImage &strip = strips[ratio - 1];
        for (QAction *action : frame->toolBar().actions()) {
            if (action->isSeparator())
                continue;
            const int cell = findCommand(quint16(action->data().toUInt()))->toolBarImage;
            const QPixmap shown = action->icon().pixmap(QSize(16, 15), ratio);
            EXPECT_EQ(shown.devicePixelRatio(), ratio) << cell;
            EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32),
                      strip.copy(cell * 16 * ratio, 0, 16 * ratio, 15 * ratio)
                          .convertToFormat(QImage::Format_ARGB32))
                << "cell " << cell << " at ratio " << ratio;
        }
    }
}

TEST_F(CMainFrameTest, RulesFollowTheImageAndTheCamera)
{
    makeFrame();
    QAction *capture = frame->commandAction(CommandId::Capture);
    QAction *save = frame->commandAction(CommandId::FileSave);
    // Before the first question the camera is not taken to be ready.
    EXPECT_FALSE(capture->isEnabled());
    frame->view().OnInitialUpdate();
    EXPECT_TRUE(capture->isEnabled());
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(frame->topMenu(MenuPosition::Edit)->menuAction()->isEnabled());
    frame->view().OnCapture();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(frame->topMenu(MenuPosition::Zoom)->menuAction()->isEnabled());

    camera.unplug();
    ASSERT_TRUE(waitUntil([&] { return !capture->isEnabled(); }));
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::Disconnected)});
    // The window's box: the program's title, the numbered text and two line feeds.
    EXPECT_EQ(presenter.shown[0].caption, QStringLiteral("Quillon for USB"));
    EXPECT_EQ(presenter.shown[0].text, QStringLiteral("USB: Disconnected from main unit.\n\n"));
    EXPECT_EQ(message(), QStringLiteral("Not Ready"));
    EXPECT_TRUE(save->isEnabled());
}

TEST_F(CMainFrameTest, AcceleratorsReachEnabledCommandsOnly)
{
    makeFrame();
    frame->view().OnInitialUpdate();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    const ImagingControl &control = frame->view().imageCtrl();

    // No image: zoom in does nothing.
    QTest::keyClick(frame.get(), Qt::Key_BracketLeft, Qt::ControlModifier);
    EXPECT_EQ(control.GetImageWidth(), 0.0f);

    QTest::keyClick(frame.get(), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(frame->view().hasImage());
    const float fitted = control.GetZoomPercent();
    QTest::keyClick(frame.get(), Qt::Key_BracketLeft, Qt::ControlModifier);
    EXPECT_EQ(control.GetZoomPercent(), float(int(fitted) / 10 * 10 + 10));
    QTest::keyClick(frame.get(), Qt::Key_BracketRight, Qt::ControlModifier);
    EXPECT_EQ(control.GetZoomPercent(), float(int(fitted) / 10 * 10));

    QTest::keyClick(frame.get(), Qt::Key_Insert, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(frame->view().openEnabled());

    // Show and Hide share the key; only one of them is enabled at a time.
    QTest::keyClick(frame.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(frame->view().commandContext().remotePanelOpen);
    frame->view().OnHideRemoteControl();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(CMainFrameTest, DisabledForATransferTakesNoInputYetKeepsItsLook)
{
    makeFrame();
    frame->view().OnInitialUpdate();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QWidget *captureButton =
        frame->toolBar().widgetForAction(frame->commandAction(CommandId::Capture));
    ASSERT_NE(captureButton, nullptr);

    frame->setFrameEnabled(false);
    QTest::keyClick(frame.get(), Qt::Key_C, Qt::AltModifier);
    QTest::mouseClick(captureButton, Qt::LeftButton);
    EXPECT_FALSE(frame->view().hasImage());
    EXPECT_TRUE(captureButton->isEnabled()) << "drawn as it was";

    frame->setFrameEnabled(true);
    QTest::keyClick(frame.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(frame->view().hasImage());
}

// A close asked for while the frame takes no input (a picture is being decoded) waits for the
// work to end, then closes the window.
TEST_F(CMainFrameTest, CloseWhileDisabledWaitsForTheWork)
{
    makeFrame();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->setFrameEnabled(false);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    frame->setFrameEnabled(true);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(CMainFrameTest, StatusRuleKeepsTheReadinessWarningVisible)
{
    makeFrame();
    camera.unplug();
    frame->view().OnInitialUpdate();
    EXPECT_EQ(message(), QStringLiteral("Not Ready"));
    // Other operations cannot replace the warning...
    frame->SetStatusMessage(StringId::Busy);
    frame->SetStatusMessage(StringId::Ready);
    EXPECT_EQ(message(), QStringLiteral("Not Ready"));
    // ...but once a prompt has given way to the idle text, the next poll shows it again.
    QStatusTipEvent tip(QStringLiteral("Save the image."));
    QCoreApplication::sendEvent(frame.get(), &tip);
    EXPECT_EQ(message(), QStringLiteral("Save the image."));
    QStatusTipEvent end{QString()};
    QCoreApplication::sendEvent(frame.get(), &end);
    EXPECT_EQ(message(), QStringLiteral("Ready !"));
    frame->view().OnTimer();
    EXPECT_EQ(message(), QStringLiteral("Not Ready"));
}

TEST_F(CMainFrameTest, StatusRuleWhileInitializingAndAfterTheTimeOut)
{
    makeFrame();
    camera.setInitializing(1000);
    frame->view().OnInitialUpdate();
    EXPECT_EQ(message(), QStringLiteral("The main unit is now initializing."));
    frame->SetStatusMessage(StringId::Busy);
    EXPECT_EQ(message(), QStringLiteral("The main unit is now initializing."));
    for (int poll = 0; poll < 61; ++poll)
        frame->view().OnTimer();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::InitializeTimeout)});
    EXPECT_TRUE(frame->view().readiness().busy());
    EXPECT_EQ(message(), QStringLiteral("Ready !"));
    frame->SetStatusMessage(StringId::Busy);
    EXPECT_EQ(message(), QStringLiteral("Busy !"));
}

TEST_F(CMainFrameTest, ZoomReadoutTextAndWidth)
{
    makeFrame();
    CMainStatusBar &bar = frame->mainStatusBar();
    frame->SetZoomReadout(45.3125f);
    EXPECT_EQ(bar.paneText(CMainStatusBar::ZoomPane), QStringLiteral(" 45.31% "));
    EXPECT_EQ(bar.paneWidth(CMainStatusBar::ZoomPane), bar.MeasureStatusText(" 45.31% "));
    frame->SetZoomReadout(100.0f);
    EXPECT_EQ(bar.paneText(CMainStatusBar::ZoomPane), QStringLiteral(" 100.00% "));
    // The best fit of a 1272 x 1024 picture in a 1000 x 805 client area.
    frame->SetZoomReadout(78.61328125f);
    EXPECT_EQ(bar.paneText(CMainStatusBar::ZoomPane), QStringLiteral(" 78.61% "));
    frame->SetZoomReadout(-1.0f);
    EXPECT_EQ(bar.paneText(CMainStatusBar::ZoomPane), QStringLiteral("       "));
    EXPECT_EQ(bar.paneWidth(CMainStatusBar::ZoomPane), bar.MeasureStatusText("       "));
}

TEST_F(CMainFrameTest, DateAndTimePanesFollowTheirTextsAndMarkOpenMode)
{
    makeFrame();
    CMainStatusBar &bar = frame->mainStatusBar();
    QDateTime now(QDate(2026, 12, 7), QTime(9, 59, 30));
    frame->setClock([&now] { return now; });
    frame->OnTimer();
    const QString time = bar.paneText(CMainStatusBar::TimePane);
    EXPECT_FALSE(time.contains(QStringLiteral("30"))) << "seconds shown: " << time.toStdString();
    EXPECT_EQ(bar.paneWidth(CMainStatusBar::TimePane), bar.MeasureStatusText(time));
    EXPECT_FALSE(bar.paneText(CMainStatusBar::DatePane).isEmpty());

    frame->view().OnToggleOpenMode();
    frame->OnTimer();
    EXPECT_EQ(bar.paneText(CMainStatusBar::TimePane), time + QStringLiteral(" #"));
    EXPECT_EQ(bar.paneWidth(CMainStatusBar::TimePane), bar.MeasureStatusText(time + " #"));
    // The timer runs at 500 ms, so the mark appears within half a second.
    frame->view().OnToggleOpenMode();
    ASSERT_TRUE(waitUntil([&] { return !bar.paneText(CMainStatusBar::TimePane).endsWith('#'); },
                          std::chrono::milliseconds(1000)));
}

TEST_F(CMainFrameTest, ClosingStoresThePlacementInTheTenFieldFormat)
{
    makeFrame();
    frame->ActivateFrame(ShowCommand::ShowNormal);
    frame->move(120, 80);
    frame->resize(640, 480);
    const QRect outer = frame->frameGeometry();
    frame->close();
    const auto stored = parseWindowPlacement(settings->windowPos());
    ASSERT_TRUE(stored) << settings->windowPos().toStdString();
    EXPECT_EQ(stored->showCommand, ShowCommand::ShowNormal);
    EXPECT_EQ(stored->flags, 0u);
    // The outer frame, so that the text means the same wherever it was written.
    EXPECT_EQ(stored->normalRect().size(), outer.size());

    // Stored and read again, the window comes back at the same size.
    makeFrame().ActivateFrame(ShowCommand::ShowNormal);
    ASSERT_TRUE(waitUntil([&] { return frame->frameGeometry().size() == outer.size(); }))
        << frame->frameGeometry().width() << "x" << frame->frameGeometry().height();
    EXPECT_EQ(settings->windowPos().count(u','), 9);
}

TEST_F(CMainFrameTest, OpensAtTheStoredPlacement)
{
    settings->setWindowPos(QStringLiteral("0,1,-1,-1,-1,-1,100,90,740,570"));
    makeFrame().ActivateFrame(ShowCommand::ShowNormal);
    ASSERT_TRUE(waitUntil([&] { return frame->frameGeometry().size() == QSize(640, 480); }));
    EXPECT_FALSE(frame->isMaximized());

    settings->setWindowPos(QStringLiteral("2,3,-1,-1,-1,-1,100,90,740,570"));
    makeFrame().ActivateFrame(ShowCommand::ShowNormal);
    EXPECT_TRUE(frame->isMaximized());
    frame->close();
    EXPECT_EQ(parseWindowPlacement(settings->windowPos())->showCommand, ShowCommand::ShowMaximized);

    // Nine fields: ignored as a whole, the window opens as asked.
    settings->setWindowPos(QStringLiteral("0,3,-1,-1,-1,-1,100,90,740"));
    makeFrame().ActivateFrame(ShowCommand::ShowNormal);
    EXPECT_FALSE(frame->isMaximized());

    // Stored hidden, the program would run with no window to use or close.
    settings->setWindowPos(QStringLiteral("0,0,-1,-1,-1,-1,100,90,740,570"));
    makeFrame().ActivateFrame(ShowCommand::ShowNormal);
    EXPECT_TRUE(frame->isVisible());
}

// The picture control kept its first size, in a corner, when the window came back from a
// minimized start.
TEST_F(CMainFrameTest, AMinimizedStartFillsThePictureAreaOnceRestored)
{
    makeFrame().ActivateFrame(ShowCommand::ShowMinimized);
    ASSERT_TRUE(frame->isMinimized());
    frame->showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const QWidget *picture = frame->view().findChild<CImageCtrl *>();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), frame->view().rect());
}

TEST_F(CMainFrameTest, TheProgressBarMovesDuringATransferWithoutRepaintingEveryRow)
{
    makeFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->view().OnInitialUpdate();
    struct PaintRecorder : QObject
    {
        std::vector<int> drawnValues;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                drawnValues.push_back(static_cast<QProgressBar *>(watched)->value());
            return false;
        }
    } recorder;
    QProgressBar &bar = frame->mainStatusBar().progress();
    bar.installEventFilter(&recorder);
    QElapsedTimer clock;
    clock.start();
    frame->view().OnCapture();
    const qint64 elapsed = clock.elapsed();
    ASSERT_TRUE(frame->view().hasImage());
    // Drawn as it advances (the loop runs no events), at most once per repaint interval, and
    // full before it is emptied.
    const std::vector<int> &drawn = recorder.drawnValues;
    const auto moving = std::count_if(drawn.begin(), drawn.end(), [](int v) { return v > 0; });
    EXPECT_LE(qint64(moving), 2 + elapsed / CMainStatusBar::ProgressRepaintMs);
    const auto full = std::find(drawn.begin(), drawn.end(), CMainStatusBar::ProgressRange);
    ASSERT_NE(full, drawn.end()) << ::testing::PrintToString(drawn);
    EXPECT_NE(std::find(full, drawn.end(), 0), drawn.end()) << ::testing::PrintToString(drawn);
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(CMainFrameTest, AMessageOverAFailedTransferShowsTheRowsThatArrived)
{
    makeFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->view().OnInitialUpdate();
    ASSERT_TRUE(camera.shortenRow(500));
    int shownUnderTheMessage = -1;
    presenter.onShow = [&](int) {
        QDialog box(frame.get()); // modal over the frame, as the message box is
        QTimer::singleShot(0, &box, &QDialog::accept);
        box.exec();
        shownUnderTheMessage = frame->mainStatusBar().progress().value();
    };
    frame->view().OnCapture();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::CaptureFailed)});
    EXPECT_EQ(shownUnderTheMessage, 499);
    EXPECT_EQ(frame->mainStatusBar().progress().value(), 0);
}

TEST_F(CMainFrameTest, CannotBeMadeSmallerThanTheMinimum)
{
    makeFrame().show();
    frame->resize(200, 100);
    EXPECT_EQ(frame->size(), QSize(CMainFrame::MinimumWidth, CMainFrame::MinimumHeight));
}

// A greyed item shows its prompt while highlighted, as enabled ones do.
TEST_F(CMainFrameTest, GreyedMenuItemsShowTheirPrompt)
{
    makeFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QMenu *file = frame->topMenu(0);
    QAction *save = file->actions().front();
    file->popup(frame->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    ASSERT_FALSE(save->isEnabled()) << "no image yet";
    QTest::mouseMove(file, file->actionGeometry(save).center());
    EXPECT_EQ(message(), QStringLiteral("Save the image."));
    file->close();
    EXPECT_EQ(message(), QStringLiteral("Ready !"));
}
} // namespace
