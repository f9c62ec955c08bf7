// SPDX-License-Identifier: MIT
#include "app/FramePlacement.h"

#include "app/PlacementFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

WindowSystem WindowSystem::current()
{
    WindowSystem system;
    system.availableAreas = [] {
        QList<QRect> areas;
        // The primary screen comes first.
        for (const QScreen *screen : QGuiApplication::screens())
            areas.append(screen->availableGeometry());
        return areas;
    };
    system.frameMargins = [](const QWidget &window) {
        const QWindow *handle = window.windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    };
    system.placesWindows = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return system;
}

FramePlacement::FramePlacement(QWidget &window, WindowSystem system)
    : m_window(window)
    , m_system(std::move(system))
{
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(FrameSettleMs);
    m_recheck.callOnTimeout([this] { windowChanged(); });
}

QRect FramePlacement::centredOnScreen(QSize size) const
{
    const QList<QRect> areas = m_system.availableAreas();
    if (areas.isEmpty())
        return QRect(QPoint(), size);
    const QPoint centre = areas.constFirst().center();
    return QRect(centre - QPoint(size.width() / 2, size.height() / 2), size);
}

void FramePlacement::placeByDefault(QSize minimum)
{
    // Most of the screen, centred, for the 5:4 picture.
    const QList<QRect> areas = m_system.availableAreas();
    if (areas.isEmpty())
        return;
    const QRect available = areas.constFirst();
    const QSize size =
        QSize(available.width() * 3 / 4, available.height() * 3 / 4).expandedTo(minimum);
    m_window.resize(size);
    m_window.move(centredOnScreen(size).topLeft());
}

bool FramePlacement::isRestored() const
{
    return m_window.isVisible() &&
           !(m_window.windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
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
    // Until it has been applied, the stored rectangle is what restoring the window gives.
    QRect outer = m_pendingOuter
                      ? *m_pendingOuter
                      : m_window.normalGeometry().marginsAdded(m_system.frameMargins(m_window));
    // A position the window cannot know (Wayland says 0,0 less its decoration) would put the
    // title bar off the screen on a window system that takes it literally.
    if (!m_system.placesWindows)
        outer.moveTopLeft(m_storedPosition.value_or(centredOnScreen(outer.size()).topLeft()));
    placement.setNormalRect(outer);
    return placement;
}

void FramePlacement::applyOuter(const QRect &outer, const QMargins &frame)
{
    const QRect client = outer.marginsRemoved(frame);
    m_applying = true;
    // move() places the outer frame; resize() sets the size inside it.
    if (m_system.placesWindows)
        m_window.move(outer.topLeft());
    m_window.resize(client.size());
    m_applying = false;
    m_appliedFrame = frame;
    m_appliedGeometry = client;
}

void FramePlacement::apply(const WindowPlacement &placement)
{
    m_loaded = placement;
    const QRect outer = fitToScreens(placement.normalRect(), m_system.availableAreas());
    if (outer.width() > 0 && outer.height() > 0) {
        m_storedPosition = outer.topLeft();
        m_pendingOuter = outer;
        applyOuter(outer, m_system.frameMargins(m_window));
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
    // A window stored hidden would start the program with nothing to use or close it with.
    if (stored->showCommand == ShowCommand::Hide)
        stored->showCommand = ShowCommand::ShowNormal;
    apply(*stored);
}

void FramePlacement::windowChanged()
{
    if (m_applying || !m_pendingOuter || !isRestored())
        return;
    const QMargins frame = m_system.frameMargins(m_window);
    // Framed since, or framed anew (a window manager draws a maximized window with other
    // margins, and tells the restored ones only after the restore).
    if (frame != m_appliedFrame) {
        applyOuter(*m_pendingOuter, frame);
        // The margins may change once more with no event of their own.
        m_recheck.start();
        return;
    }
    // Moved or sized by the user, or by the window manager's own rules: theirs from now on.
    const QRect now = m_window.geometry();
    const bool moved = m_system.placesWindows && now.topLeft() != m_appliedGeometry.topLeft();
    if (moved || now.size() != m_appliedGeometry.size())
        m_pendingOuter.reset();
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
