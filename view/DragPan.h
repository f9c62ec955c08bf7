// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

#include <optional>

// Panning by dragging the picture: the scroll position follows the pointer from where the drag
// started.
class DragPan
{
public:
    bool isActive() const { return m_origin.has_value(); }
    // at: the pointer, in viewport coordinates; scroll: the scroll position then.
    void start(QPoint at, QPoint scroll)
    {
        m_origin = at;
        m_startScroll = scroll;
    }
    // The scroll position that keeps the picture under the pointer, now at `at`.
    QPoint scrollFor(QPoint at) const { return m_startScroll - (at - m_origin.value_or(at)); }
    void stop() { m_origin.reset(); }

private:
    std::optional<QPoint> m_origin;
    QPoint m_startScroll;
};
