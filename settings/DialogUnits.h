// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

class QFontMetrics;
class QWidget;

// Lays out a dialog from its template's dialog units, so that it grows with the user's font:
// a horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height.
class DialogUnits
{
public:
    explicit DialogUnits(const QFontMetrics &metrics);

    QSize size(int width, int height) const;
    QRect rect(int x, int y, int width, int height) const;

private:
    int m_baseWidth;
    int m_baseHeight;
};

// Places a window, frame included, in the middle of its screen (not over its parent, where
// dialogs go by default). Called as it is shown.
void centreOnScreen(QWidget &window);
