// SPDX-License-Identifier: MIT
#pragma once

#include "app/ProgressSink.h"
#include "link/StatusText.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include <array>
#include <functional>

class QLabel;
class QProgressBar;
class QToolButton;

// The main frame's status bar. Pane 0 is the message pane (status texts and command prompts)
// and takes the remaining width; pane 1 the zoom readout; pane 2 holds the progress bar of an
// image transfer, or of a job that runs beside the window with its Cancel button before the
// panes; panes 3 and 4 the date and the time.
class CMainStatusBar : public QStatusBar, public ProgressSink
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

    // A text in the message pane with its string id (0: a text that has none, such as a prompt).
    void showPaneMessage(int stringId, const QString &text);
    int shownMessageId() const { return m_shownMessageId; }
    // A status text asked for: shown at once where the status rule lets it replace the one shown.
    void requestMessage(int stringId, const StatusReadiness &readiness);
    // A command's prompt in the message pane; an empty one (the pointer left the button, the
    // menu closed) gives way to the idle text.
    void showPrompt(const QString &prompt);
    // The zoom readout, blank for a negative zoom (no image).
    void showZoom(float zoomPercent);
    // The date and the time without seconds; openMode marks the time with " #".
    void showDateAndTime(const QDateTime &now, bool openMode);

    using Clock = std::function<QDateTime()>;
    static constexpr int ClockTimerMs = 500;
    // The date and time panes are shown again every ClockTimerMs from now; openMode says whether
    // the time is marked.
    void startClock(std::function<bool()> openMode);
    void stopClock() { m_clockTimer.stop(); }
    // Today's date and time; tests give a fixed clock.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // The date and time panes as of now.
    void showClock() { showDateAndTime(m_clock(), m_openMode()); }

    // Width of the text in pixels in the status bar's font.
    int MeasureStatusText(const QString &text) const;

    QProgressBar &progress() { return *m_progress; }
    // The position of the transfer's progress bar, 0 to 1024. Positions between the ends are
    // drawn at once at most once per ProgressRepaintMs; 1024 always is, and 0 with the next
    // drawing of the window.
    void setProgressPosition(int rows);
    static constexpr int ProgressRepaintMs = 40;
    // ProgressSink: the progress bar and a button before the panes.
    void startProgress(const QString &cancelText, const QString &cancelTip,
                       std::function<void()> cancel) override;
    void showProgress(int done, int total) override
    {
        setProgressPosition(done * ProgressRange / total);
    }
    void endProgress() override;
    // The pages of the PDF in a pane of their own, shown only while there are some.
    void setPageCount(int pages);
    QString pageCountText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *label(Pane pane) const;
    // Sizes the pane to the text, then shows it.
    void setSizedPaneText(Pane pane, const QString &text);

    std::array<QLabel *, 5> m_labels{};
    QProgressBar *m_progress = nullptr;
    int m_shownMessageId = 0;
    QElapsedTimer m_progressDrawn; // since the bar last moved
    int m_progressSkipped = -1;    // the last position given and not yet drawn, or -1
    QLabel *m_pages = nullptr;
    QPointer<QToolButton> m_cancelButton;
    QTimer m_clockTimer;
    Clock m_clock = [] {
        return QDateTime::currentDateTime();
    };
    std::function<bool()> m_openMode;
};
