// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/ImageRenderer.h"
#include "imaging/ZoomGeometry.h"
#include "picture/ImageHolder.h"
#include "view/DragPan.h"
#include "view/WheelNotches.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <optional>

// The imaging control as a widget: the image that ImageHolder holds, drawn at a zoom with scroll
// bars (size mode 4) or stretched over the control (size mode 1). The layout and drawing are
// done by the widget-free ZoomGeometry and ImageRenderer. The image is centred on an axis where
// it is smaller than the control.
//
// Settings whose meaning is this control's own:
// - SetOption57: scroll bars are shown when the image is larger than the control (default TRUE;
//   FALSE hides them, dragging still pans).
// - SetOption5: the image can be panned by dragging it with the left mouse button (default FALSE).
// - SetBorderStyle: 0 no border (default), 1 a single border; SetAppearance then chooses between
//   a flat line (0, default) and a sunken 3-D edge (1).
// - SetAutoSize: TRUE makes the control take the size of the drawn image whenever it changes;
//   FALSE (default) keeps the size it is given.
// - SetRepaintEnabled(FALSE) keeps showing what was on the screen until TRUE; changes made
//   meanwhile (image, zoom, size mode) are drawn once, when drawing is enabled again.
class CImageCtrl : public QAbstractScrollArea, public ImageHolder
{
    Q_OBJECT

public:
    explicit CImageCtrl(QWidget *parent = nullptr);

    void SetAutoSize(bool autoSize) override;
    void SetAppearance(short appearance) override;
    void SetBorderStyle(short style) override;
    void SetRepaintEnabled(bool enabled) override;
    void SetOption5(bool value) override;
    void SetOption57(bool value) override;

    void SetSizeMode(short mode) override;
    float GetZoomPercent() const override;
    // Zooms that are not positive numbers are ignored.
    void SetZoomPercent(float zoom) override;

    // Draws now; does nothing while drawing is suspended.
    short Repaint() override;

Q_SIGNALS:
    // Ctrl+wheel: one zoom step in or out per notch. While the signal is handled, a new zoom
    // keeps the image point under the pointer where it is instead of the one at the centre.
    void zoomStepRequested(bool zoomIn);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void imageChanged() override;
    void relayout();
    void applyFrame();
    void updatePanCursor();
    bool canPan() const;
    QPoint scrollPosition() const;
    void paintImage(QPainter &painter, const QRect &exposed);

    ImageRenderer m_renderer;
    QImage m_frozen; // what the control showed when drawing was suspended
    ZoomGeometry::Layout m_layout;
    float m_zoomPercent = 100.0f;
    short m_sizeMode = SizeModeZoom;
    bool m_repaintEnabled = true;
    bool m_relayingOut = false;
    bool m_autoSize = false;
    short m_appearance = 0;
    short m_borderStyle = 0;
    bool m_scrollBarsAllowed = true;
    bool m_dragToPan = false;
    DragPan m_drag;
    std::optional<QPoint> m_zoomAnchor; // the pointer during a wheel zoom, viewport coordinates
    WheelNotches m_wheelNotches;
};
