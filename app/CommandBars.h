// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <map>
#include <vector>

class CMainFrame;
struct CommandContext;
class QAction;
class QMenu;
class QToolBar;

// The main window's actions, menus and tool bar, made from the command table.
struct CommandBars
{
    std::map<quint16, QAction *> actions;
    std::vector<QMenu *> menus; // the top-level menus by position
    QToolBar *toolBar = nullptr;

    // A triggered action runs its handler and then re-evaluates every command's state; so does
    // a menu that is about to open. Every accelerator works in the whole window, whether or not
    // a menu shows the command.
    static CommandBars create(CMainFrame &frame);

    QAction *action(quint16 id) const;
    // Triggers the command's action unless the command is greyed.
    void triggerIfEnabled(quint16 id) const;
    // nullptr for a position without a menu.
    QMenu *menu(int position) const;
    // Every command's enabled and checked state from the view's state.
    void update(const CommandContext &context) const;
};
