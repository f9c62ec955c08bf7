// SPDX-License-Identifier: MIT
#pragma once

#include <QStatusBar>

#include <array>

class QLabel;
class QProgressBar;

// The main frame's status bar. Pane 0 is the message pane (status texts and command prompts)
// and takes the remaining width; pane 1 the zoom readout; pane 2 holds the progress bar of an
// image transfer; panes 3 and 4 the date and the time.
class CMainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    enum Pane
    {
        MessagePane = 0,
        ZoomPane = 1,
        ProgressPane = 2,
        DatePane = 3,
        TimePane = 4
    };
    static constexpr int ProgressPaneWidth = 100;
    static constexpr int ProgressRange = 1024;

    explicit CMainStatusBar(QWidget *parent = nullptr);

    QString paneText(Pane pane) const;
    // Setting a text keeps the pane's width; the callers size the pane to its text.
    void setPaneText(Pane pane, const QString &text);
    // Width of the pane's text area in pixels.
    int paneWidth(Pane pane) const;
    void setPaneWidth(Pane pane, int width);

    // Width of the text in pixels in the status bar's font.
    int MeasureStatusText(const QString &text) const;

    QProgressBar &progress() { return *m_progress; }
    // The position of the transfer's progress bar, 0 to 1024.
    void setProgressPosition(int rows);

private:
    QLabel *label(Pane pane) const;

    std::array<QLabel *, 5> m_labels{};
    QProgressBar *m_progress = nullptr;
};
