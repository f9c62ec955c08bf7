// SPDX-License-Identifier: MIT
#include "app/FramePlacement.h"

#include "app/PlacementFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

FramePlacement::FramePlacement(QWidget &window)
    : m_window(window)
{}

void FramePlacement::placeByDefault(QSize minimum)
{
    // Most of the screen, centred, for the 5:4 picture.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size =
        QSize(available.width() * 3 / 4, available.height() * 3 / 4).expandedTo(minimum);
    m_window.resize(size);
    m_window.move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

WindowPlacement FramePlacement::current() const
{
    WindowPlacement placement = m_loaded;
    const bool minimized = m_window.isMinimized();
    const bool maximized = m_window.isMaximized() && !minimized;
    placement.flags = maximized ? WindowPlacement::RestoreToMaximized : 0;
    placement.showCommand = minimized   ? ShowCommand::ShowMinimized
                            : maximized ? ShowCommand::ShowMaximized
                                        : ShowCommand::ShowNormal;
    // The stored rectangle is the outer frame of the restored window.
    const QWindow *handle = m_window.windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    placement.setNormalRect(m_window.normalGeometry().marginsAdded(frame));
    return placement;
}

void FramePlacement::apply(const WindowPlacement &placement)
{
    m_loaded = placement;
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QRect outer = fitToScreens(placement.normalRect(), areas);
    if (outer.width() > 0 && outer.height() > 0) {
        // move() places the outer frame; resize() sets the size inside it.
        m_window.move(outer.topLeft());
        m_window.resize(outer.size());
        m_pendingOuterSize = outer.size();
    }
    show(placement.showCommand);
}

void FramePlacement::activate(std::optional<WindowPlacement> stored, unsigned showCommand)
{
    if (!stored) {
        show(showCommand);
        return;
    }
    if (showCommand != ShowCommand::ShowNormal)
        stored->showCommand = showCommand;
    apply(*stored);
}

void FramePlacement::shown()
{
    if (m_pendingOuterSize.isEmpty())
        return;
    QTimer::singleShot(0, &m_window, [this] {
        const QSize frame = m_window.frameGeometry().size() - m_window.size();
        if (!m_window.isMaximized() && !m_window.isMinimized())
            m_window.resize(m_pendingOuterSize - frame);
        m_pendingOuterSize = QSize();
    });
}

void FramePlacement::show(unsigned showCommand)
{
    switch (showCommand) {
    case ShowCommand::Hide:
        m_window.hide();
        break;
    case ShowCommand::ShowMinimized:
    case ShowCommand::Minimize:
    case ShowCommand::ShowMinNoActive:
        if (m_loaded.flags & WindowPlacement::RestoreToMaximized)
            m_window.setWindowState(Qt::WindowMinimized | Qt::WindowMaximized);
        else
            m_window.showMinimized();
        m_window.show();
        break;
    case ShowCommand::ShowMaximized:
        m_window.showMaximized();
        break;
    default:
        m_window.showNormal();
        break;
    }
}
