// SPDX-License-Identifier: MIT
#include "app/CMainStatusBar.h"

#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QToolButton>

#include <utility>

namespace {
// Blank space on each side of a pane's text, inside its border.
constexpr int PaneMargin = 3;

// Texts that give the panes their width before they show anything.
constexpr const char *ZoomSizingText = "5555%";
constexpr const char *DateSizingText = "5555/55/55";
constexpr const char *TimeSizingText = "55:55";

const QString NoZoomText = QStringLiteral("       ");

// The locale's short time, without seconds even where its short format has them.
QString shortTimeWithoutSeconds(const QTime &time)
{
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    format.remove(QLatin1String(":ss")).remove(QLatin1String(".ss")).remove(QLatin1String("ss"));
    return QLocale::system().toString(time, format.trimmed());
}
} // namespace

CMainStatusBar::CMainStatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(true);
    // A message box over the frame (a transfer that failed) shows the position the bar was given
    // last, though time had not let it be drawn yet.
    if (parent)
        parent->installEventFilter(this);

    auto makePane = [this](Pane pane, const char *sizingText) {
        auto *label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(PaneMargin, 0, PaneMargin, 0);
        label->setTextFormat(Qt::PlainText);
        m_labels[pane] = label;
        setPaneWidth(pane, MeasureStatusText(QString::fromLatin1(sizingText)));
        addPermanentWidget(label);
    };
    m_pages = new QLabel(this);
    m_pages->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pages->setContentsMargins(PaneMargin, 0, PaneMargin, 0);
    m_pages->setTextFormat(Qt::PlainText);
    addPermanentWidget(m_pages);
    m_pages->hide();
    makePane(ZoomPane, ZoomSizingText);

    // The progress bar draws only when its filled width changes: Qt's bar repaints on a value
    // change only if the drawn bar moves, so 1024 row updates cost a few dozen paints.
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, ProgressRange);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedWidth(ProgressPaneWidth);
    addPermanentWidget(m_progress);

    makePane(DatePane, DateSizingText);
    makePane(TimePane, TimeSizingText);
}

QLabel *CMainStatusBar::label(Pane pane) const
{
    return m_labels[pane];
}

QString CMainStatusBar::paneText(Pane pane) const
{
    if (pane == MessagePane)
        return currentMessage();
    if (pane == ProgressPane)
        return {};
    return label(pane)->text();
}

void CMainStatusBar::setPaneText(Pane pane, const QString &text)
{
    if (pane == MessagePane) {
        showMessage(text);
        return;
    }
    if (pane != ProgressPane)
        label(pane)->setText(text);
}

int CMainStatusBar::paneWidth(Pane pane) const
{
    if (pane == ProgressPane)
        return m_progress->width();
    if (pane == MessagePane)
        return width();
    return label(pane)->width() - 2 * PaneMargin - 2 * label(pane)->frameWidth();
}

void CMainStatusBar::setPaneWidth(Pane pane, int width)
{
    if (pane == MessagePane || pane == ProgressPane)
        return;
    QLabel *l = label(pane);
    l->setFixedWidth(width + 2 * PaneMargin + 2 * l->frameWidth());
}

int CMainStatusBar::MeasureStatusText(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text);
}

void CMainStatusBar::setProgressPosition(int rows)
{
    // Drawing the bar can cost more than the rows it reports arrive in (a fast camera or the
    // simulator); time bounds the repaints, and the ends are never skipped.
    const bool end = rows == 0 || rows == ProgressRange;
    if (!end && m_progressDrawn.isValid() && m_progressDrawn.elapsed() < ProgressRepaintMs) {
        m_progressSkipped = rows;
        return;
    }
    m_progressSkipped = -1;
    if (rows == 0) {
        // The bar is emptied when its work has ended, and drawn so with what is drawn next (the
        // status "Ready !" follows at once): a repaint of its own would also draw whatever else
        // of the window waits to be drawn.
        m_progress->setUpdatesEnabled(false);
        m_progress->setValue(rows);
        m_progress->setUpdatesEnabled(true);
    } else {
        m_progress->setValue(rows);
    }
    m_progressDrawn.start();
}

bool CMainStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowBlocked && m_progressSkipped >= 0)
        m_progress->setValue(std::exchange(m_progressSkipped, -1));
    return QStatusBar::eventFilter(watched, event);
}

void CMainStatusBar::showPaneMessage(int stringId, const QString &text)
{
    m_shownMessageId = stringId;
    setPaneText(MessagePane, text);
}

void CMainStatusBar::requestMessage(int stringId, const StatusReadiness &readiness)
{
    const int shown = statusAfterRequest(m_shownMessageId, stringId, readiness);
    if (shown == 0)
        return;
    showPaneMessage(shown, statusText(shown));
    repaint();
}

void CMainStatusBar::showPrompt(const QString &prompt)
{
    if (prompt.isEmpty())
        showPaneMessage(StringId::Ready, statusText(StringId::Ready));
    else
        showPaneMessage(0, prompt);
}

void CMainStatusBar::setSizedPaneText(Pane pane, const QString &text)
{
    const int width = MeasureStatusText(text);
    if (width != paneWidth(pane))
        setPaneWidth(pane, width);
    setPaneText(pane, text);
}

void CMainStatusBar::showZoom(float zoomPercent)
{
    setSizedPaneText(ZoomPane,
                     zoomPercent < 0.0f ? NoZoomText : QString::asprintf(" %.2f%% ", zoomPercent));
}

void CMainStatusBar::showDateAndTime(const QDateTime &now, bool openMode)
{
    setSizedPaneText(DatePane, QLocale::system().toString(now.date(), QLocale::ShortFormat));
    QString time = shortTimeWithoutSeconds(now.time());
    if (openMode)
        time += QStringLiteral(" #");
    setSizedPaneText(TimePane, time);
}

void CMainStatusBar::startClock(std::function<bool()> openMode)
{
    m_openMode = std::move(openMode);
    m_clockTimer.setInterval(ClockTimerMs);
    connect(&m_clockTimer, &QTimer::timeout, this, &CMainStatusBar::showClock);
    m_clockTimer.start();
}

void CMainStatusBar::startProgress(const QString &cancelText, const QString &cancelTip,
                                   std::function<void()> cancel)
{
    delete m_cancelButton;
    m_cancelButton = new QToolButton(this);
    m_cancelButton->setText(cancelText);
    m_cancelButton->setToolTip(cancelTip);
    connect(m_cancelButton, &QToolButton::clicked, this, std::move(cancel));
    insertPermanentWidget(0, m_cancelButton);
    setProgressPosition(0);
}

void CMainStatusBar::endProgress()
{
    delete m_cancelButton;
    setProgressPosition(0);
}

void CMainStatusBar::setPageCount(int pages)
{
    m_pages->setText(tr("%n pages", nullptr, pages));
    m_pages->setVisible(pages > 0);
}

QString CMainStatusBar::pageCountText() const
{
    return !m_pages->isHidden() ? m_pages->text() : QString();
}
