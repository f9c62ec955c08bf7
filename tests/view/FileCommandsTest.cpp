// SPDX-License-Identifier: MIT
#include "link/LinkError.h"
#include "settings/CQFactorDlg.h"
#include "tests/TestSupport.h"
#include "tests/view/ViewFixture.h"
#include "view/CImageCtrl.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {
using Calls = std::vector<std::string>;
using FileCommandsTest = ViewFixture;
using FileCommandsOnDisk = RealControlViewFixture;

struct ExtensionCase
{
    const char *name;
    short format;
};

class SaveFormat : public FileCommandsTest, public ::testing::WithParamInterface<ExtensionCase>
{};

TEST_P(SaveFormat, FollowsTheExtensionOnlyAndPassesTheQualityFactor)
{
    captureOnce();
    dialogs->answer = tempPath(QString::fromLatin1(GetParam().name));
    view->OnFileSave();
    const auto saves = control.callsTo("SaveFile");
    ASSERT_EQ(saves.size(), 1u);
    const std::string expected = "SaveFile(\"" + dialogs->answer->toStdString() + "\", " +
                                 std::to_string(GetParam().format) + ", 24, 15, 0)";
    EXPECT_EQ(saves[0], expected);
    // A camera image is already 24-bit: JPEG only sets the text item, BMP nothing more.
    EXPECT_TRUE(control.callsTo("ConvertColorDepth").empty());
    EXPECT_TRUE(control.callsTo("Repaint").empty());
    EXPECT_EQ(control.callsTo("SetTextItem").size(),
              GetParam().format == ImagingControl::ImageFormatJpeg ? 1u : 0u);
    EXPECT_EQ(frame->statusRequests, (std::vector<int>{StringId::Busy, StringId::Ready}));
    EXPECT_EQ(dialogs->remembered, std::vector<QString>{*dialogs->answer});
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, SaveFormat,
    ::testing::Values(ExtensionCase{"a.bmp", ImagingControl::ImageFormatBmp},
                      ExtensionCase{"a.BMP", ImagingControl::ImageFormatBmp},
                      ExtensionCase{"a.Bmp", ImagingControl::ImageFormatBmp},
                      ExtensionCase{"a.png", ImagingControl::ImageFormatPng},
                      ExtensionCase{"a.PNG", ImagingControl::ImageFormatPng},
                      ExtensionCase{"a.jpg", ImagingControl::ImageFormatJpeg},
                      ExtensionCase{"a.jpeg", ImagingControl::ImageFormatJpeg},
                      ExtensionCase{"a.txt", ImagingControl::ImageFormatJpeg},
                      ExtensionCase{"a.bmp.jpg", ImagingControl::ImageFormatJpeg},
                      ExtensionCase{"noextension", ImagingControl::ImageFormatJpeg}),
    [](const auto &info) { return paramName(info.param.name, info.index); });

TEST_F(FileCommandsTest, AnEightBitImageIsConvertedBeforeJpegAndStaysConverted)
{
    view->OnInitialUpdate();
    view->OnToggleOpenMode();
    control.bitsPerPixel = 8;
    dialogs->answer = tempPath(QStringLiteral("in.bmp"));
    view->OnFileOpen();
    ASSERT_TRUE(view->hasImage());
    control.clear();

    dialogs->answer = tempPath(QStringLiteral("out.jpg"));
    view->OnFileSave();
    const Calls commands = control.commands();
    const Calls expected{"ConvertColorDepth(24, 4, 1, 0)", "Repaint()", "SetTextItem(3, \"\")",
                         "SaveFile(\"" + dialogs->answer->toStdString() + "\", 10, 24, 15, 0)"};
    EXPECT_EQ(commands, expected);

    control.clear();
    dialogs->answer = tempPath(QStringLiteral("out.bmp"));
    view->OnFileSave();
    EXPECT_EQ(control.commands(),
              Calls{"SaveFile(\"" + dialogs->answer->toStdString() + "\", 6, 24, 15, 0)"});
}

TEST_F(FileCommandsTest, ACancelledSaveChangesNothing)
{
    captureOnce();
    dialogs->answer.reset();
    view->OnFileSave();
    EXPECT_EQ(dialogs->saveAsked, 1);
    EXPECT_TRUE(control.commands().empty());
    EXPECT_TRUE(frame->statusRequests.empty());
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedWithItsFileAndReasonAndChangesNothing)
{
    captureOnce();
    control.saveFileResult = 1;
    control.saveError = QStringLiteral("No space left on device");
    dialogs->answer = tempPath(QStringLiteral("a.jpg"));
    view->OnFileSave();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::SaveFailed)});
    EXPECT_EQ(presenter.shown.at(0).text, QStringLiteral("Failed to save the image."));
    EXPECT_EQ(presenter.shown.at(0).details,
              QStringLiteral("File: %1\nReason: No space left on device").arg(*dialogs->answer));
    EXPECT_TRUE(view->hasImage());
    EXPECT_FALSE(view->rawFrame().isNull());
    // Not where the next dialog starts: it may be a folder nothing can be written to.
    EXPECT_TRUE(dialogs->remembered.empty());
}

TEST_F(FileCommandsTest, OpenDoesNothingUntilOpenModeIsOn)
{
    captureOnce();
    view->OnFileOpen();
    EXPECT_EQ(dialogs->openAsked, 0);
    EXPECT_FALSE(view->rawFrame().isNull());
}

// Dropping the frame before the dialog left the preview blank and made every confirmed
// sharpness sharpen the shown picture again.
TEST_F(FileCommandsTest, ACancelledOpenKeepsTheCameraFrame)
{
    captureOnce();
    view->OnToggleOpenMode();
    dialogs->answer.reset();
    view->OnFileOpen();
    EXPECT_EQ(dialogs->openAsked, 1);
    EXPECT_FALSE(view->rawFrame().isNull());
    EXPECT_TRUE(view->hasImage());
    EXPECT_TRUE(control.commands().empty());
}

TEST_F(FileCommandsTest, ASuccessfulOpenShowsTheFileAtBestFitWithNeutralPictureSettings)
{
    settings->write(Setting::Sharpness, 6);
    settings->write(Setting::Gamma, 1);
    view->OnInitialUpdate();
    view->OnCapture();
    ASSERT_FALSE(view->rawFrame().isNull());
    frame->statusRequests.clear();
    view->OnToggleOpenMode();
    control.imageWidth = 400;
    control.imageHeight = 300;
    dialogs->answer = tempPath(QStringLiteral("photo.jpg"));
    control.clear();
    view->OnFileOpen();
    const std::string path = dialogs->answer->toStdString();
    EXPECT_EQ(control.commands(),
              (Calls{"SetRepaintEnabled(false)", "LoadFile(\"" + path + "\", 0, 0, 1)",
                     "SetSizeMode(4)", "SetZoomPercent(200)", "SetRepaintEnabled(true)"}));
    EXPECT_TRUE(view->hasImage());
    EXPECT_TRUE(view->rawFrame().isNull());
    EXPECT_EQ(dialogs->remembered, std::vector<QString>{*dialogs->answer});
    EXPECT_EQ(view->picture().m_gamma, 0);
    EXPECT_EQ(view->picture().m_sharpenAmount, 0);
    // In memory only: the stored settings stay.
    EXPECT_EQ(view->picture().m_sharpnessIndex, 6);
    EXPECT_EQ(settings->read(Setting::Gamma), 1);
    EXPECT_TRUE(frame->menusEnabled[1] && frame->menusEnabled[3]);
    EXPECT_EQ(frame->statusRequests, (std::vector<int>{StringId::Busy, StringId::Ready}));

    // The next capture is converted with gamma on and not sharpened.
    control.clear();
    view->OnCapture();
    EXPECT_EQ(control.callsTo("Sharpen"), Calls{"Sharpen(0)"});
}

TEST_F(FileCommandsTest, AFailedOpenLeavesNoPicture)
{
    captureOnce();
    view->OnToggleOpenMode();
    control.loadFileResult = 1;
    dialogs->answer = tempPath(QStringLiteral("missing.bmp"));
    view->OnFileOpen();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::LoadFailed)});
    EXPECT_FALSE(view->hasImage());
    EXPECT_LT(frame->zoomReadouts.back(), 0.0f);
    EXPECT_FALSE(frame->menusEnabled[1] || frame->menusEnabled[3]);
    EXPECT_EQ(frame->statusRequests.back(), StringId::Ready);
    EXPECT_TRUE(dialogs->remembered.empty());
}

TEST_F(FileCommandsTest, JpegSettingStoresTheFactorOnlyWhenConfirmed)
{
    settings->write(Setting::Qfactor, 250);
    view->OnInitialUpdate();
    answerModalDialog([](QDialog &d) { d.reject(); });
    view->OnJpegSetting();
    EXPECT_EQ(view->picture().m_qFactor, 250);
    EXPECT_EQ(settings->read(Setting::Qfactor), 250);

    // Unmoved, the slider shows the stored 250 at its end, and OK stores that.
    answerModalDialog([](QDialog &d) { d.accept(); });
    view->OnJpegSetting();
    EXPECT_EQ(view->picture().m_qFactor, 242);
    EXPECT_EQ(settings->read(Setting::Qfactor), 242);
}

// The real control, the real files: a save that cannot be made leaves the old file.
TEST_F(FileCommandsOnDisk, SaveThenOpenEveryFormatAndAFailedSaveKeepsTheOldFile)
{
    view->OnInitialUpdate();
    view->OnCapture();
    ASSERT_TRUE(view->hasImage());

    for (const char *name : {"shot.jpg", "shot.bmp", "shot.png"}) {
        dialogs->answer = tempPath(QString::fromLatin1(name));
        view->OnFileSave();
        const QImage written(*dialogs->answer);
        EXPECT_EQ(written.size(), QSize(1272, 1024)) << name;
    }
    EXPECT_TRUE(presenter.shown.empty());
    // PNG is lossless: the file holds the shown picture exactly.
    const QImage shown = view->imageCtrl().GetImage();
    EXPECT_EQ(QImage(tempPath(QStringLiteral("shot.png"))).convertToFormat(shown.format()), shown);

    // A directory where the file should go: the save fails and the folder stays as it was.
    const QString blocked = tempPath(QStringLiteral("blocked.bmp"));
    ASSERT_TRUE(QDir().mkdir(blocked));
    dialogs->answer = blocked;
    view->OnFileSave();
    EXPECT_EQ(presenter.codes(), std::vector<int>{int(LinkError::SaveFailed)});
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_TRUE(view->hasImage());

    view->OnToggleOpenMode();
    for (const char *name : {"shot.jpg", "shot.bmp", "shot.png"}) {
        dialogs->answer = tempPath(QString::fromLatin1(name));
        view->OnFileOpen();
        EXPECT_TRUE(view->hasImage()) << name;
        EXPECT_EQ(view->imageCtrl().GetImageWidth(), 1272.0f) << name;
    }
    EXPECT_EQ(presenter.shown.size(), 1u);
}
} // namespace

// The system dialogs, in both modes, refuse a name in a folder that does not exist (the user is
// told and the dialog stays), and accept a new name in a folder that does.
TEST(SystemFileDialogs, RefuseANameInAMissingFolder)
{
    QTemporaryDir dir;
    const struct
    {
        QString path;
        bool accepted;
    } cases[] = {
        {dir.filePath("missing/picture.bmp"), false},
        {dir.filePath("new-picture.bmp"), true},
    };
    const SettingsStore settings(dir.filePath(QStringLiteral("q.conf")));
    SystemFileDialogs dialogs(settings);
    for (bool save : {false, true}) {
        for (const auto &c : cases) {
            bool warned = false;
            answerModalDialog([&](QDialog &dialog) {
                QTimer::singleShot(0, [&warned] {
                    if (auto *box =
                            qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                        warned = true;
                        box->accept();
                    }
                });
                static_cast<QFileDialog &>(dialog).selectFile(c.path);
                dialog.accept();
                if (dialog.isVisible())
                    dialog.reject();
            });
            const std::optional<QString> chosen =
                save ? dialogs.askSavePath(nullptr) : dialogs.askOpenPath(nullptr);
            EXPECT_EQ(chosen.has_value(), c.accepted) << c.path.toStdString() << " save " << save;
            EXPECT_EQ(warned, !c.accepted) << c.path.toStdString() << " save " << save;
        }
    }
}
