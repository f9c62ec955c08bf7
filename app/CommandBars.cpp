// SPDX-License-Identifier: MIT
#include "app/CommandBars.h"

#include "app/CMainFrame.h"
#include "app/CommandTable.h"
#include "app/GreyedPromptStyle.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QToolBar>

#include <span>

namespace {
constexpr int ToolBarImageWidth = 16;
constexpr int ToolBarImageHeight = 15;

// The tool bar's image `index` from each strip: the one drawn for a device pixel ratio of 1 and
// the one drawn at twice the size for a ratio of 2, so that the icon is never an enlargement.
QIcon toolBarIcon(std::span<const QPixmap> strips, int index)
{
    QIcon icon;
    for (const QPixmap &strip : strips) {
        const int scale = qRound(strip.devicePixelRatio());
        icon.addPixmap(strip.copy(index * ToolBarImageWidth * scale, 0, ToolBarImageWidth * scale,
                                  ToolBarImageHeight * scale));
    }
    return icon;
}

void createActions(CMainFrame &frame, CommandBars &bars)
{
    for (const CommandRow &row : commandTable()) {
        auto *action = new QAction(&frame);
        action->setText(commandName(row));
        if (row.shortcut)
            action->setShortcuts(QKeySequence::listFromString(QLatin1String(row.shortcut),
                                                              QKeySequence::PortableText));
        action->setStatusTip(promptMessage(row));
        action->setToolTip(promptToolTip(row));
        action->setCheckable(row.checked != nullptr);
        action->setData(row.id);
        const auto handler = row.handler;
        QObject::connect(action, &QAction::triggered, &frame, [&frame, handler] {
            handler(frame);
            frame.updateCommands();
        });
        frame.addAction(action);
        bars.actions.emplace(row.id, action);
    }
}

void createMenus(CMainFrame &frame, CommandBars &bars)
{
    auto *menuStyle = new GreyedPromptStyle;
    menuStyle->setParent(&frame);
    for (const MenuDescription &description : menuBarLayout()) {
        QMenu *menu = frame.menuBar()->addMenu(menuTitle(description));
        menu->setStyle(menuStyle);
        for (quint16 id : description.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(bars.action(id));
        }
        QObject::connect(menu, &QMenu::aboutToShow, &frame, &CMainFrame::updateCommands);
        bars.menus.push_back(menu);
    }
}

void createToolBar(CMainFrame &frame, CommandBars &bars)
{
    QToolBar *toolBar = frame.addToolBar(
        QCoreApplication::translate("CommandBars", "Standard", "the tool bar's name"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(ToolBarImageWidth, ToolBarImageHeight));
    // The image reader gives the "@2x" strip its device pixel ratio of 2.
    const QPixmap strips[] = {QPixmap(QStringLiteral(":/images/toolbar.png")),
                              QPixmap(QStringLiteral(":/images/toolbar@2x.png"))};
    for (quint16 id : toolBarLayout()) {
        if (id == 0) {
            toolBar->addSeparator();
            continue;
        }
        QAction *action = bars.action(id);
        const CommandRow *row = findCommand(id);
        if (row->toolBarImage >= 0)
            action->setIcon(toolBarIcon(strips, row->toolBarImage));
        toolBar->addAction(action);
    }
    bars.toolBar = toolBar;
}
} // namespace

CommandBars CommandBars::create(CMainFrame &frame)
{
    CommandBars bars;
    createActions(frame, bars);
    createMenus(frame, bars);
    createToolBar(frame, bars);
    return bars;
}

QAction *CommandBars::action(quint16 id) const
{
    auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

void CommandBars::triggerIfEnabled(quint16 id) const
{
    if (QAction *command = action(id); command && command->isEnabled())
        command->trigger();
}

QMenu *CommandBars::menu(int position) const
{
    if (position < 0 || position >= int(menus.size()))
        return nullptr;
    return menus[std::size_t(position)];
}

void CommandBars::update(const CommandContext &context) const
{
    for (const CommandRow &row : commandTable()) {
        QAction *command = action(row.id);
        command->setEnabled(row.enabled(context));
        if (row.checked)
            command->setChecked(row.checked(context));
    }
}
