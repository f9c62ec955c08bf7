// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

// Keeps the user's input (keys, shortcuts, clicks, the wheel, touch) away from one window while
// it is held. The window's widgets stay enabled, so nothing is redrawn greyed: the frame keeps its
// look through an image transfer, and the progress bar's repaints draw the bar alone instead of
// the whole window twice. A request to close the window meanwhile (its title bar's button, the
// session ending) waits until the block is lifted, so that the work in hand finishes first.
class InputBlock : public QObject
{
public:
    explicit InputBlock(QWidget &window);

    void setBlocking(bool blocking);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    bool m_blocking = false;
    bool m_closeAsked = false;
};
