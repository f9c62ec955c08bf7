// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// A latching key. A click that ends inside flips its state and then reports it; the owner sends
// the new state to the camera. It draws only its bitmap, at its own size, and looks the same
// whether enabled or not.
class CToggleButton : public QAbstractButton
{
    Q_OBJECT
public:
    CToggleButton(int controlId, QWidget *parent);

    int controlId() const { return m_controlId; }
    // 1 is on; the owner may write any other value, which counts as off.
    bool isOn() const { return m_state == 1; }
    // The bitmap the button shows now: held inside wins over the state.
    int currentImageId() const;
    QSize sizeHint() const override;
    // 1 while the button is held with the pointer inside.
    int pressed() const { return m_bPressed; }

    // A completed click from the panel's keyboard key: flips the state and tells the owner.
    void clickByKey();

    // Written by the owner; changing them does not repaint.
    int m_height = 0; // the hit rectangle, normally the image's size
    int m_width = 0;
    int m_offImageId = 0;
    int m_onImageId = 0;
    int m_state = 0;

Q_SIGNALS:
    // After the state has flipped; the button still shows its on image until the owner returns.
    void buttonToggled(int controlId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Flips the state and tells the owner; false when the button was deleted meanwhile.
    bool flipAndNotify();
    // The left column and the top row count as outside once the pointer has moved.
    bool isInsideHitRectangle(QPoint position) const;

    const int m_controlId;
    int m_bPressed = 0;
    // Set by our own button-down only, so the moves that follow a double-click's second press
    // are not tracked and its button-up flips nothing.
    bool m_bTracking = false;
};
