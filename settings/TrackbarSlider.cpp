// SPDX-License-Identifier: MIT
#include "settings/TrackbarSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

TrackbarSlider::TrackbarSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    setSingleStep(1);
    setPageStep(defaultPageSize(minimum(), maximum()));
    // The end of a drag; also a thumb pressed and released without moving.
    connect(this, &QSlider::sliderReleased, this, &TrackbarSlider::endTrack);
}

int TrackbarSlider::defaultPageSize(int minimum, int maximum)
{
    return std::max(1, (maximum - minimum) / 5);
}

void TrackbarSlider::sliderChange(SliderChange change)
{
    if (change == SliderRangeChange)
        setPageStep(defaultPageSize(minimum(), maximum()));
    QSlider::sliderChange(change);
}

QAbstractSlider::SliderAction TrackbarSlider::actionForKey(int key)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return SliderSingleStepAdd;
    case Qt::Key_Left:
    case Qt::Key_Up:
        return SliderSingleStepSub;
    case Qt::Key_PageDown:
        return SliderPageStepAdd;
    case Qt::Key_PageUp:
        return SliderPageStepSub;
    case Qt::Key_Home:
        return SliderToMinimum;
    case Qt::Key_End:
        return SliderToMaximum;
    default:
        return SliderNoAction;
    }
}

void TrackbarSlider::keyPressEvent(QKeyEvent *event)
{
    const SliderAction action = actionForKey(event->key());
    if (action == SliderNoAction || event->modifiers() & ~Qt::KeypadModifier) {
        event->ignore();
        return;
    }
    m_keyTracking = true;
    triggerAction(action);
    event->accept();
}

void TrackbarSlider::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_keyTracking || event->isAutoRepeat() || actionForKey(event->key()) == SliderNoAction) {
        event->ignore();
        return;
    }
    m_keyTracking = false;
    event->accept();
    Q_EMIT endTrack();
}

void TrackbarSlider::mousePressEvent(QMouseEvent *event)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || thumb.contains(at)) {
        QSlider::mousePressEvent(event);
        return;
    }
    // Horizontal, as both our trackbars are.
    const bool towardMaximum = (at.x() > thumb.center().x()) != invertedAppearance();
    setFocus(Qt::MouseFocusReason);
    m_pagedByClick = true;
    triggerAction(towardMaximum ? SliderPageStepAdd : SliderPageStepSub);
    event->accept();
}

void TrackbarSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pagedByClick) {
        m_pagedByClick = false;
        event->accept();
        Q_EMIT endTrack();
        return;
    }
    QSlider::mouseReleaseEvent(event);
}

void TrackbarSlider::wheelEvent(QWheelEvent *event)
{
    const int before = value();
    QSlider::wheelEvent(event);
    if (value() != before)
        Q_EMIT endTrack();
}
