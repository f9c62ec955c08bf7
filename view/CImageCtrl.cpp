// SPDX-License-Identifier: MIT
#include "view/CImageCtrl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

CImageCtrl::CImageCtrl(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void CImageCtrl::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    relayout();
}

void CImageCtrl::SetAppearance(short appearance)
{
    m_appearance = appearance;
    applyFrame();
}

void CImageCtrl::SetBorderStyle(short style)
{
    m_borderStyle = style;
    applyFrame();
}

void CImageCtrl::SetRepaintEnabled(bool enabled)
{
    if (enabled == m_repaintEnabled)
        return;
    if (!enabled) {
        m_frozen = QImage(viewport()->size(), QImage::Format_RGB32);
        if (!m_frozen.isNull()) {
            QPainter painter(&m_frozen);
            paintImage(painter, m_frozen.rect());
        }
        m_repaintEnabled = false;
        return;
    }
    m_repaintEnabled = true;
    m_frozen = {};
    relayout();
}

void CImageCtrl::SetOption5(bool value)
{
    m_dragToPan = value;
    updatePanCursor();
}

void CImageCtrl::SetOption57(bool value)
{
    m_scrollBarsAllowed = value;
    relayout();
}

void CImageCtrl::SetSizeMode(short mode)
{
    if (mode != SizeModeZoom && mode != SizeModeStretch)
        return;
    m_sizeMode = mode;
    relayout();
}

float CImageCtrl::GetZoomPercent() const
{
    return m_zoomPercent;
}

void CImageCtrl::SetZoomPercent(float zoom)
{
    if (!(zoom > 0.0f) || !std::isfinite(zoom))
        return;
    m_zoomPercent = zoom;
    relayout();
}

short CImageCtrl::Repaint()
{
    if (m_repaintEnabled)
        viewport()->repaint();
    return 0;
}

void CImageCtrl::imageChanged()
{
    m_renderer.invalidate();
    relayout();
}

void CImageCtrl::applyFrame()
{
    if (m_borderStyle == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else if (m_appearance == 0) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    relayout();
}

// Decides the scroll bars, sets their ranges from the viewport they leave and keeps the image
// point at the centre where it was. Waits while drawing is suspended, since the scroll bars
// would otherwise move under a picture that does not.
void CImageCtrl::relayout()
{
    // Showing or hiding a scroll bar resizes the viewport, whose resize event comes back here.
    if (!m_repaintEnabled || m_relayingOut)
        return;
    const QScopedValueRollback<bool> relayingOut(m_relayingOut, true);
    const QSize imageSize = image().image.size();
    const QSize area = contentsRect().size();
    const ZoomGeometry::Layout previous = m_layout;
    const QPoint previousScroll = scrollPosition();
    ZoomGeometry::Layout layout =
        m_sizeMode == SizeModeStretch
            ? ZoomGeometry::layoutStretched(imageSize, area)
            : ZoomGeometry::layoutAtZoom(imageSize, m_zoomPercent, area,
                                         verticalScrollBar()->sizeHint().width(),
                                         m_scrollBarsAllowed);
    setHorizontalScrollBarPolicy(layout.horizontalBar ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(layout.verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Once shown, the style has laid out the bars; the ranges follow the room they really leave.
    if (isVisible() && m_scrollBarsAllowed && m_sizeMode == SizeModeZoom) {
        layout.viewportSize = viewport()->size();
        layout.scrollMaximum = ZoomGeometry::scrollMaximum(layout.drawnSize, layout.viewportSize);
    }
    m_layout = layout;
    const QPoint scroll =
        m_zoomAnchor
            ? ZoomGeometry::scrollKeepingPoint(previous, previousScroll, layout, *m_zoomAnchor)
            : ZoomGeometry::scrollKeepingCentre(previous, previousScroll, layout);
    QScrollBar *horizontal = horizontalScrollBar();
    QScrollBar *vertical = verticalScrollBar();
    horizontal->setRange(0, layout.scrollMaximum.x());
    vertical->setRange(0, layout.scrollMaximum.y());
    horizontal->setPageStep(std::max(1, layout.viewportSize.width()));
    vertical->setPageStep(std::max(1, layout.viewportSize.height()));
    horizontal->setSingleStep(std::max(1, layout.viewportSize.width() / 20));
    vertical->setSingleStep(std::max(1, layout.viewportSize.height() / 20));
    horizontal->setValue(scroll.x());
    vertical->setValue(scroll.y());
    if (m_autoSize && m_sizeMode == SizeModeZoom && !imageSize.isEmpty())
        resize(layout.drawnSize + QSize(2 * frameWidth(), 2 * frameWidth()));
    updatePanCursor();
    viewport()->update();
}

bool CImageCtrl::canPan() const
{
    return m_dragToPan && m_sizeMode == SizeModeZoom && !m_layout.scrollMaximum.isNull();
}

void CImageCtrl::updatePanCursor()
{
    if (canPan())
        viewport()->setCursor(m_drag.isActive() ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    else
        viewport()->unsetCursor();
}

QPoint CImageCtrl::scrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CImageCtrl::paintImage(QPainter &painter, const QRect &exposed)
{
    m_renderer.paint(painter, image().image, ZoomGeometry::imageRect(m_layout, scrollPosition()),
                     exposed, palette().color(QPalette::Dark));
}

void CImageCtrl::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    if (m_repaintEnabled) {
        paintImage(painter, event->rect());
        return;
    }
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.drawImage(0, 0, m_frozen);
}

void CImageCtrl::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void CImageCtrl::scrollContentsBy(int dx, int dy)
{
    if (m_repaintEnabled)
        viewport()->scroll(dx, dy);
}

void CImageCtrl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !canPan()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_drag.start(event->position().toPoint(), scrollPosition());
    updatePanCursor();
    event->accept();
}

void CImageCtrl::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.isActive()) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint scroll = m_drag.scrollFor(event->position().toPoint());
    horizontalScrollBar()->setValue(scroll.x());
    verticalScrollBar()->setValue(scroll.y());
    event->accept();
}

void CImageCtrl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drag.isActive() || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_drag.stop();
    updatePanCursor();
    event->accept();
}

void CImageCtrl::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int notches = m_wheelNotches.take(event->angleDelta().y());
    const QScopedValueRollback<std::optional<QPoint>> anchor(m_zoomAnchor,
                                                             event->position().toPoint());
    for (int step = 0; step < std::abs(notches); ++step)
        Q_EMIT zoomStepRequested(notches > 0);
    event->accept();
}
