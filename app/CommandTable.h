// SPDX-License-Identifier: MIT
#pragma once

#include "picture/FrameServices.h"
#include "view/CommandContext.h"

#include <QString>

#include <optional>
#include <span>

class CMainFrame;

// Command ids: menu items, tool-bar buttons and accelerators all name their command by id.
namespace CommandId {
inline constexpr quint16 FileOpen = 57601;
inline constexpr quint16 FileSave = 57603;
inline constexpr quint16 FilePrint = 57607;
inline constexpr quint16 EditCopy = 57634;
inline constexpr quint16 AppAbout = 57664;
inline constexpr quint16 AppExit = 57665;
inline constexpr quint16 Capture = 32771;
inline constexpr quint16 JpegSetting = 32772;
inline constexpr quint16 Sharpness = 32773;
inline constexpr quint16 GammaCorrection = 32774;
inline constexpr quint16 ShowRemoteControl = 32775;
inline constexpr quint16 HideRemoteControl = 32776;
inline constexpr quint16 ZoomIn = 32777;
inline constexpr quint16 ZoomOut = 32778;
inline constexpr quint16 ToggleRemoteControl = 32779;
inline constexpr quint16 BestFit = 32780;
inline constexpr quint16 ActualSize = 32781;
inline constexpr quint16 ToggleOpenMode = 32782;
inline constexpr quint16 AddPage = 32790;
inline constexpr quint16 ShowPages = 32791;
inline constexpr quint16 SavePdf = 32792;
inline constexpr quint16 ScanPage = 32793;
inline constexpr quint16 RecognitionLanguages = 32794;
inline constexpr quint16 EditAndAddPage = 32795;
} // namespace CommandId

// One command: where it appears, what it says, what it does, and when it is enabled or checked.
struct CommandRow
{
    quint16 id;
    // Menu text with its "&" mnemonic; the menu shows the key from the shortcut, so that a
    // translation never has to repeat it. nullptr: not in a menu.
    const char *menuText;
    // "fly-by prompt\ntool tip"; nullptr: none.
    const char *prompt;
    // Portable key sequence text, e.g. "Ctrl+S", several separated by "; "; nullptr: none.
    const char *shortcut;
    // Index of the button image in the tool-bar strip; -1: not on the tool bar.
    int toolBarImage;
    void (*handler)(CMainFrame &frame);
    bool (*enabled)(const CommandContext &context);
    // nullptr: the command has no check mark.
    bool (*checked)(const CommandContext &context);
};

std::span<const CommandRow> commandTable();
const CommandRow *findCommand(quint16 id);

// The menu bar: top-level menus in order, each a list of command ids where 0 is a separator.
struct MenuDescription
{
    const char *title;
    std::span<const quint16> items;
};
std::span<const MenuDescription> menuBarLayout();
// The tool bar's buttons in order; 0 is a separator.
std::span<const quint16> toolBarLayout();

// The texts in the user's language; the tables hold the English texts, translations use the
// context "CommandTable". What the command is called, for its action and so for screen readers:
// its menu text, or the tool tip of a command in no menu.
QString commandName(const CommandRow &row);
QString menuTitle(const MenuDescription &menu);

// The two parts of a prompt: the text shown in the message pane while the item is highlighted,
// and the tool tip.
QString promptMessage(const CommandRow &row);
QString promptToolTip(const CommandRow &row);
