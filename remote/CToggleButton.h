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
    bool isOn() const { return m_state == 1; }
    // The bitmap the button shows now: held inside wins over the state.
    int currentImageId() const;
    QSize sizeHint() const override;
    // 1 while the button is held with the pointer inside.
    int pressed() const { return m_bPressed; }

    // A completed click from the panel's keyboard key: flips the state and tells the owner.
    void clickByKey();

    // Set by the owner; changing them does not repaint.
    void setImages(int onImageId, int offImageId)
    {
        m_onImageId = onImageId;
        m_offImageId = offImageId;
    }
    int onImageId() const { return m_onImageId; }
    int offImageId() const { return m_offImageId; }
    // The hit rectangle, normally the image's size.
    void setHitSize(QSize size)
    {
        m_width = size.width();
        m_height = size.height();
    }
    QSize hitSize() const { return {m_width, m_height}; }
    // 1 is on; the owner may set any other value, which counts as off.
    int state() const { return m_state; }
    void setState(int state) { m_state = state; }

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
    int m_height = 0;
    int m_width = 0;
    int m_offImageId = 0;
    int m_onImageId = 0;
    int m_state = 0;
    int m_bPressed = 0;
    // Set by our own button-down only, so the moves that follow a double-click's second press
    // are not tracked and its button-up flips nothing.
    bool m_bTracking = false;
};
