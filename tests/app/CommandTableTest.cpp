// SPDX-License-Identifier: MIT
#include "app/CommandTable.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {
bool enabled(quint16 id, const CommandContext &context)
{
    return findCommand(id)->enabled(context);
}

TEST(CommandRules, WithoutAnImageOnlyCaptureOpenJpegRemoteAndExitAct)
{
    CommandContext none;
    none.cameraReady = true;
    for (quint16 id : {CommandId::FileSave, CommandId::FilePrint, CommandId::EditCopy,
                       CommandId::Sharpness, CommandId::GammaCorrection, CommandId::ZoomIn,
                       CommandId::ZoomOut, CommandId::BestFit, CommandId::ActualSize})
        EXPECT_FALSE(enabled(id, none)) << id;
    for (quint16 id : {CommandId::Capture, CommandId::FileOpen, CommandId::JpegSetting,
                       CommandId::ToggleRemoteControl, CommandId::ShowRemoteControl,
                       CommandId::AppExit, CommandId::AppAbout, CommandId::ToggleOpenMode})
        EXPECT_TRUE(enabled(id, none)) << id;
}

TEST(CommandRules, CameraCommandsNeedAReadyCamera)
{
    CommandContext notReady;
    notReady.hasImage = true;
    for (quint16 id : {CommandId::Capture, CommandId::ToggleRemoteControl,
                       CommandId::ShowRemoteControl, CommandId::HideRemoteControl})
        EXPECT_FALSE(enabled(id, notReady)) << id;
    EXPECT_TRUE(enabled(CommandId::FileSave, notReady));
}

TEST(CommandRules, ZoomOutStopsAtTenPercentTruncated)
{
    CommandContext c;
    c.hasImage = true;
    for (float zoom : {10.0f, 10.9f, 5.3f}) {
        c.zoomPercent = zoom;
        EXPECT_FALSE(enabled(CommandId::ZoomOut, c)) << zoom;
    }
    c.zoomPercent = 11.0f;
    EXPECT_TRUE(enabled(CommandId::ZoomOut, c));
}

TEST(CommandRules, RemoteControlItemsMirrorThePanel)
{
    CommandContext c;
    c.cameraReady = true;
    const CommandRow *show = findCommand(CommandId::ShowRemoteControl);
    const CommandRow *hide = findCommand(CommandId::HideRemoteControl);
    const CommandRow *toggle = findCommand(CommandId::ToggleRemoteControl);
    EXPECT_TRUE(show->enabled(c));
    EXPECT_FALSE(show->checked(c));
    EXPECT_FALSE(hide->enabled(c));
    EXPECT_TRUE(hide->checked(c));
    EXPECT_FALSE(toggle->checked(c));
    c.remotePanelOpen = true;
    EXPECT_FALSE(show->enabled(c));
    EXPECT_TRUE(show->checked(c));
    EXPECT_TRUE(hide->enabled(c));
    EXPECT_FALSE(hide->checked(c));
    EXPECT_TRUE(toggle->checked(c));
}

TEST(CommandTable, EveryMenuAndToolBarEntryIsACommandOnce)
{
    std::set<quint16> seen;
    for (const MenuDescription &menu : menuBarLayout())
        for (quint16 id : menu.items)
            if (id != 0) {
                ASSERT_NE(findCommand(id), nullptr) << id;
                EXPECT_NE(findCommand(id)->menuText, nullptr) << id;
                EXPECT_TRUE(seen.insert(id).second) << id;
            }
    int images = 0;
    for (quint16 id : toolBarLayout())
        if (id != 0) {
            ASSERT_NE(findCommand(id), nullptr) << id;
            EXPECT_EQ(findCommand(id)->toolBarImage, images++) << id;
        }
    EXPECT_EQ(images, 7);
}

// A key reaches one command; Show and Hide share Ctrl+R, and never are both enabled.
TEST(CommandTable, NoTwoCommandsShareAKey)
{
    std::map<QString, quint16> owners;
    for (const CommandRow &row : commandTable()) {
        const QStringList keys = QString::fromLatin1(row.shortcut ? row.shortcut : "")
                                     .split(QLatin1String("; "), Qt::SkipEmptyParts);
        for (const QString &key : keys) {
            const auto [owner, added] = owners.emplace(key, row.id);
            const bool remotePair = row.id == CommandId::HideRemoteControl &&
                                    owner->second == CommandId::ShowRemoteControl;
            EXPECT_TRUE(added || remotePair) << key.toStdString();
        }
    }
}

// The key a menu shows comes from the action's shortcut, in the keyboard's own words; a key
// written into a text would have to be repeated by every translation.
TEST(CommandTable, NoMenuTextCarriesItsKey)
{
    for (const CommandRow &row : commandTable()) {
        if (row.menuText) {
            EXPECT_FALSE(QByteArray(row.menuText).contains('\t')) << row.menuText;
        }
    }
}

TEST(CommandTable, PromptsSplitIntoMessageAndToolTip)
{
    const CommandRow *capture = findCommand(CommandId::Capture);
    EXPECT_EQ(promptMessage(*capture), QStringLiteral("Capture a new image from the main unit."));
    EXPECT_EQ(promptToolTip(*capture), QStringLiteral("Capture"));
    EXPECT_TRUE(promptMessage(*findCommand(CommandId::ToggleOpenMode)).isEmpty());
}
} // namespace
