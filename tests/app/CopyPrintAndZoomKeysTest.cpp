// SPDX-License-Identifier: MIT
#include "tests/TestSupport.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/doubles/ScriptedFileDialogs.h"
#include "view/CImageCtrl.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {
// The main window shown and active, so that its accelerators work.
class MainWindowTest : public MainFrameFixture
{
protected:
    void showFrame()
    {
        makeFrame();
        frame->view().OnInitialUpdate();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void ctrl(Qt::Key key) { QTest::keyClick(frame.get(), key, Qt::ControlModifier); }
    void capture()
    {
        QTest::keyClick(frame.get(), Qt::Key_C, Qt::AltModifier);
        ASSERT_TRUE(frame->view().hasImage());
    }
    float zoom() { return frame->view().imageCtrl().GetZoomPercent(); }
    QString zoomReadout() const
    {
        return frame->mainStatusBar().paneText(CMainStatusBar::ZoomPane);
    }
};

int matches(const QByteArray &text, const char *pattern)
{
    auto found = QRegularExpression(QLatin1String(pattern)).globalMatch(QString::fromLatin1(text));
    int count = 0;
    for (; found.hasNext(); found.next())
        ++count;
    return count;
}

TEST_F(MainWindowTest, CopyPutsTheShownPictureOnTheClipboard)
{
    showFrame();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    ctrl(Qt::Key_C);
    EXPECT_EQ(clipboard->text(), QStringLiteral("before")) << "copied without a picture";

    capture();
    ctrl(Qt::Key_C);
    const QImage shown = frame->view().imageCtrl().GetImage();
    EXPECT_EQ(clipboard->image().convertToFormat(shown.format()), shown);
    EXPECT_EQ(message(), QStringLiteral("Ready !"));
}

TEST_F(MainWindowTest, PrintPutsThePictureOnOnePageAndReportsAPrinterThatFails)
{
    showFrame();
    auto owned = std::make_unique<ScriptedFileDialogs>();
    ScriptedFileDialogs &dialogs = *owned;
    frame->view().setFileDialogs(std::move(owned));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
    dialogs.printTo = pdf;
    ctrl(Qt::Key_P);
    EXPECT_FALSE(QFile::exists(pdf)) << "printed without a picture";

    capture();
    ctrl(Qt::Key_P);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Qt writes the dictionaries as plain text; only the streams are compressed.
    const QByteArray written = file.readAll();
    EXPECT_EQ(matches(written, R"(/Type\s*/Page\b(?!s))"), 1);
    EXPECT_EQ(matches(written, R"(/Subtype\s*/Image\s*/Width\s*1272\s*/Height\s*1024)"), 1);

    dialogs.printTo = dir.path(); // a folder: the PDF cannot be written
    QString told;
    answerModalDialog([&told](QDialog &box) {
        told = static_cast<QMessageBox &>(box).text();
        box.accept();
    });
    ctrl(Qt::Key_P);
    EXPECT_EQ(told, QStringLiteral("Failed to print the image."));
}

TEST_F(MainWindowTest, EveryKeyboardsZoomKeysGoThroughTheZoomCommands)
{
    showFrame();
    for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_0})
        ctrl(key);
    EXPECT_TRUE(zoomReadout().isEmpty()) << "zoomed without a picture";

    capture();
    const std::pair<Qt::Key, float> steps[] = {{Qt::Key_0, 100.0f},
                                               {Qt::Key_Equal, 110.0f},
                                               {Qt::Key_Plus, 120.0f},
                                               {Qt::Key_Minus, 110.0f}};
    for (const auto &[key, expected] : steps) {
        ctrl(key);
        EXPECT_EQ(zoom(), expected) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(zoomReadout(), QStringLiteral(" 110.00% "));
}

TEST_F(MainWindowTest, CtrlWheelZoomsOneStepAroundThePointer)
{
    showFrame();
    auto *control = frame->view().findChild<CImageCtrl *>();
    ASSERT_NE(control, nullptr);
    QWidget *viewport = control->viewport();
    const QPoint pointer(200, 150);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(pointer, viewport->mapToGlobal(pointer), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_TRUE(zoomReadout().isEmpty()) << "zoomed without a picture";

    capture();
    ctrl(Qt::Key_0);
    QScrollBar *horizontal = control->horizontalScrollBar();
    QScrollBar *vertical = control->verticalScrollBar();
    horizontal->setValue(300);
    vertical->setValue(200);
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(zoom(), 110.0f);
    // Under the pointer: image point (500, 350), drawn at 110 % at (550, 385).
    EXPECT_NEAR(horizontal->value(), 550 - pointer.x(), 1);
    EXPECT_NEAR(vertical->value(), 385 - pointer.y(), 1);

    // Half notches add up to one step; without Ctrl the wheel scrolls.
    wheel(-60, Qt::ControlModifier);
    EXPECT_EQ(zoom(), 110.0f);
    wheel(-60, Qt::ControlModifier);
    EXPECT_EQ(zoom(), 100.0f);
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(zoom(), 100.0f);
}

// Pictures is where the user's picture-folder setting says; the test points it elsewhere.
class PicturesFolder
{
public:
    explicit PicturesFolder(const QString &folder)
        : m_file(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs"))
    {
        QFile file(m_file);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("XDG_PICTURES_DIR=\"" + folder.toUtf8() + "\"\n");
    }
    ~PicturesFolder() { QFile::remove(m_file); }

private:
    QString m_file;
};

TEST_F(MainWindowTest, SaveAndOpenStartInTheLastFolderAcrossARestartOrInPictures)
{
    QTemporaryDir home;
    const QString pictures = home.filePath(QStringLiteral("Pictures"));
    const QString chosen = home.filePath(QStringLiteral("chosen"));
    ASSERT_TRUE(QDir().mkdir(pictures) && QDir().mkdir(chosen));
    const PicturesFolder picturesFolder(pictures);
    QString startedIn;
    const auto answer = [&startedIn](const QString &path) {
        answerModalDialog([&startedIn, path](QDialog &dialog) {
            auto &files = static_cast<QFileDialog &>(dialog);
            startedIn = files.directory().absolutePath();
            if (path.isEmpty()) {
                dialog.reject();
                return;
            }
            files.selectFile(path);
            dialog.accept();
        });
    };

    showFrame();
    capture();
    answer(chosen + QStringLiteral("/shot.png"));
    frame->view().OnFileSave();
    EXPECT_EQ(startedIn, pictures) << "nothing stored yet";
    QFile saved(chosen + QStringLiteral("/shot.png"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.read(4), QByteArray("\x89PNG"));

    makeFrame().view().OnToggleOpenMode();
    answer({});
    frame->view().OnFileOpen();
    EXPECT_EQ(startedIn, chosen) << "after a restart";

    ASSERT_TRUE(QDir(chosen).removeRecursively());
    answer({});
    frame->view().OnFileOpen();
    EXPECT_EQ(startedIn, pictures) << "the folder is gone";
}
} // namespace
