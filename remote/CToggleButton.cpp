// SPDX-License-Identifier: MIT
#include "remote/CToggleButton.h"

#include "remote/PanelBitmaps.h"
#include "remote/PanelKeyAccessible.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

CToggleButton::CToggleButton(int controlId, QWidget *parent)
    : QAbstractButton(parent)
    , m_controlId(controlId)
{
    setFocusPolicy(Qt::NoFocus);
}

int CToggleButton::currentImageId() const
{
    return m_bPressed != 0 || m_state == 1 ? m_onImageId : m_offImageId;
}

QSize CToggleButton::sizeHint() const
{
    return panelBitmap(currentImageId(), palette()).size();
}

bool CToggleButton::isInsideHitRectangle(QPoint position) const
{
    return position.x() >= 1 && position.x() < m_width && position.y() >= 1 &&
           position.y() < m_height;
}

void CToggleButton::paintEvent(QPaintEvent *)
{
    const QPixmap bitmap = panelBitmap(currentImageId(), palette(), devicePixelRatioF());
    if (bitmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmap);
}

bool CToggleButton::flipAndNotify()
{
    m_state = m_state == 1 ? 0 : 1;
    announceKeyState(this);
    const QPointer<CToggleButton> alive(this);
    Q_EMIT buttonToggled(m_controlId);
    return !alive.isNull();
}

void CToggleButton::clickByKey()
{
    // Shown lit while the owner sends, as during a mouse click.
    m_bPressed = 1;
    repaint();
    if (!flipAndNotify())
        return;
    m_bPressed = 0;
    repaint();
}

void CToggleButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // Wherever it lands: a click without movement flips even on the edge pixels.
        m_bPressed = 1;
        m_bTracking = true;
        repaint();
    }
    QAbstractButton::mousePressEvent(event);
}

// Only the standard button handling: the click's first half has already done the work.
void CToggleButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
}

void CToggleButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_bTracking) {
        const int wasPressed = m_bPressed;
        m_bPressed = isInsideHitRectangle(event->position().toPoint()) ? 1 : 0;
        if (m_bPressed != wasPressed)
            repaint();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CToggleButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    m_bTracking = false;
    if (m_bPressed != 0 && !flipAndNotify())
        return;
    m_bPressed = 0;
    repaint();
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}
