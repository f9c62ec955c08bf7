// SPDX-License-Identifier: MIT
#include "app/InputBlock.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

InputBlock::InputBlock(QWidget &window)
    : m_window(window)
{}

void InputBlock::setBlocking(bool blocking)
{
    if (blocking == m_blocking)
        return;
    m_blocking = blocking;
    blocking ? qApp->installEventFilter(this) : qApp->removeEventFilter(this);
    if (!blocking && m_closeAsked) {
        m_closeAsked = false;
        QTimer::singleShot(0, &m_window, [window = &m_window] { window->close(); });
    }
}

bool InputBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == &m_window) {
        event->ignore();
        m_closeAsked = true;
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        break;
    default:
        return false;
    }
    const auto *widget = qobject_cast<const QWidget *>(watched);
    const auto *window = qobject_cast<const QWindow *>(watched);
    if (!(widget && widget->window() == &m_window) &&
        !(window && window == m_window.windowHandle()))
        return false;
    // An accepted override is a key the focus widget keeps, so no shortcut fires for it.
    event->accept();
    return true;
}
