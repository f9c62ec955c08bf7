// SPDX-License-Identifier: MIT
#include "remote/CHoldButton.h"

#include "remote/PanelBitmaps.h"
#include "remote/PanelKeyAccessible.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

CHoldButton::CHoldButton(int controlId, QWidget *parent)
    : QAbstractButton(parent)
    , m_controlId(controlId)
{
    setFocusPolicy(Qt::NoFocus);
}

int CHoldButton::currentImageId() const
{
    if (!isEnabled())
        return m_disabledImageId;
    return m_bPressed == 1 ? m_pressedImageId : m_normalImageId;
}

QSize CHoldButton::sizeHint() const
{
    return panelBitmap(currentImageId(), palette()).size();
}

void CHoldButton::paintEvent(QPaintEvent *)
{
    const QPixmap bitmap = panelBitmap(currentImageId(), palette(), devicePixelRatioF());
    if (bitmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmap);
}

bool CHoldButton::pressDown()
{
    m_bPressed = 1;
    // On screen before the owner starts its blocking camera command.
    repaint();
    announceKeyState(this);
    const QPointer<CHoldButton> alive(this);
    Q_EMIT buttonPressed(m_controlId);
    return !alive.isNull();
}

bool CHoldButton::releaseUp()
{
    showReleased();
    const QPointer<CHoldButton> alive(this);
    Q_EMIT buttonReleased(m_controlId);
    return !alive.isNull();
}

void CHoldButton::showReleased()
{
    m_bPressed = 0;
    repaint();
    announceKeyState(this);
}

void CHoldButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    if (pressDown())
        QAbstractButton::mousePressEvent(event);
}

// A double-click's second button-down is a press like any other: a motion started and stopped
// twice.
void CHoldButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

// Qt delivers the button-up to the button that took the button-down, wherever the pointer is
// by then, so a motion always gets its stop. Whether a press came first is not checked.
void CHoldButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    if (!releaseUp())
        return;
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}
