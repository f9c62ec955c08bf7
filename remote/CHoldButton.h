// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// A momentary key: acts while it is held. Every button-down (and the second press of a
// double-click) reports a press, every button-up a release; the owner starts a camera motion on
// the first and stops it on the second. It draws only its bitmap, at its own size.
class CHoldButton : public QAbstractButton
{
    Q_OBJECT
public:
    CHoldButton(int controlId, QWidget *parent);

    int controlId() const { return m_controlId; }
    // The bitmap the button shows now: disabled wins over pressed, pressed over normal.
    int currentImageId() const;
    QSize sizeHint() const override;
    // 1 from button-down to button-up.
    int pressed() const { return m_bPressed; }

    // The same as the mouse's button-down and button-up, for the panel's keyboard keys. Each
    // returns false when the button was deleted meanwhile.
    bool pressDown();
    bool releaseUp();
    // Drawn released without telling the owner: a hold the owner has already ended.
    void showReleased();

    // Set by the owner; changing them does not repaint.
    void setImages(int pressedImageId, int normalImageId, int disabledImageId)
    {
        m_pressedImageId = pressedImageId;
        m_normalImageId = normalImageId;
        m_disabledImageId = disabledImageId;
    }
    int pressedImageId() const { return m_pressedImageId; }
    int normalImageId() const { return m_normalImageId; }
    int disabledImageId() const { return m_disabledImageId; }

Q_SIGNALS:
    void buttonPressed(int controlId);
    void buttonReleased(int controlId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const int m_controlId;
    int m_disabledImageId = 0;
    int m_pressedImageId = 0;
    int m_normalImageId = 0;
    int m_bPressed = 0;
};
