// SPDX-License-Identifier: MIT
#include "settings/DialogUnits.h"

#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace {
// The average character width is taken over the upper and lower case letters, rounded.
int averageCharWidth(const QFontMetrics &metrics)
{
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}
} // namespace

DialogUnits::DialogUnits(const QFontMetrics &metrics)
    : m_baseWidth(averageCharWidth(metrics))
    , m_baseHeight(metrics.height())
{}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(width * m_baseWidth / 4, height * m_baseHeight / 8);
}

QRect DialogUnits::rect(int x, int y, int width, int height) const
{
    return QRect(QPoint(x * m_baseWidth / 4, y * m_baseHeight / 8), size(width, height));
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.left() + (area.width() - outer.width()) / 2,
                area.top() + (area.height() - outer.height()) / 2);
}
