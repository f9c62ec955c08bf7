// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class TrackbarSlider;

// The JPEG quality dialog: one slider from 2 (highest quality) to 242 (most compression). The
// caller seeds the factor before running it and reads it back when the dialog was accepted; the
// dialog itself stores nothing.
class CQFactorDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinimumFactor = 2;
    static constexpr int MaximumFactor = 242;
    static constexpr int TickInterval = 20;

    explicit CQFactorDlg(QWidget *parent = nullptr);

    // Takes the slider's position, moved or not.
    void accept() override;

    // The quality factor shown and chosen; 0 until the caller sets it.
    int qFactor() const { return m_qFactor; }
    void setQFactor(int qFactor) { m_qFactor = qFactor; }

protected:
    // Seeds the slider (a factor outside the slider's range shows at the nearer end) and
    // centres the dialog on the screen.
    void showEvent(QShowEvent *event) override;

private:
    TrackbarSlider *m_slider;
    int m_qFactor = 0;
};
