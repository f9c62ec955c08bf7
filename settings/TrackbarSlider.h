// SPDX-License-Identifier: MIT
#pragma once

#include <QSlider>

// A horizontal slider that behaves as the platform's trackbar: line size 1, page size a fifth
// of the range; Right, Down and Page Down move toward the maximum, Left, Up and Page Up toward
// the minimum, Home and End to the ends; a click beside the thumb moves one page toward the
// pointer. endTrack() marks the end of one user action: the key's release (however long it
// repeated), the mouse button's release after a drag or a click, a wheel step.
class TrackbarSlider : public QSlider
{
    Q_OBJECT
public:
    explicit TrackbarSlider(QWidget *parent = nullptr);

    // A fifth of the range, at least 1.
    static int defaultPageSize(int minimum, int maximum);

Q_SIGNALS:
    void endTrack();

protected:
    void sliderChange(SliderChange change) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // The step a key makes, or SliderNoAction for a key that is not the trackbar's.
    static SliderAction actionForKey(int key);

    bool m_keyTracking = false;
    bool m_pagedByClick = false;
};
