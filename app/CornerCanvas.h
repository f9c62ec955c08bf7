// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <array>
#include <optional>

// A picture fitted to the widget with a sheet's four corners over it as handles the user drags;
// while one is dragged, a magnifier beside it shows the picture under it enlarged, so that the
// corner can be put on the sheet's to the pixel. Corners are in the picture's pixels.
class CornerCanvas : public QWidget
{
    Q_OBJECT
public:
    using Corners = std::array<QPointF, 4>;

    explicit CornerCanvas(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    void setCorners(const Corners &corners);
    const Corners &corners() const { return m_corners; }

    QSize sizeHint() const override { return {560, 460}; }

Q_SIGNALS:
    // A handle moved; done: the user let it go.
    void cornersChanged(bool done);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class PageEditorFixture;

    // Where the picture is drawn, and the mapping between its pixels and the widget's.
    QRectF pictureArea() const;
    QPointF toWidget(const QPointF &picturePoint) const;
    QPointF toPicture(const QPointF &widgetPoint) const;
    std::optional<std::size_t> handleAt(const QPointF &widgetPoint) const;
    void drawMagnifier(QPainter &painter, const QPointF &corner) const;

    QImage m_picture;
    Corners m_corners{};
    std::optional<std::size_t> m_dragged;
};
