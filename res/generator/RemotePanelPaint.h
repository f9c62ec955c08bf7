// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// What the remote panel's bitmaps share. The panel maps four exact colours to the desktop's
// button colours when it draws them: black to button text, grey 128 to button shadow, grey 192
// to button face and white to button highlight. The face, its frames and its captions use those
// four on purpose and are drawn without antialiasing, so that every pixel maps; the keys use
// colours near them but never equal, so they look the same on every desktop.
namespace PanelPaint {
inline const QColor Text(0, 0, 0);
inline const QColor Shadow(128, 128, 128);
inline const QColor Face(192, 192, 192);
inline const QColor Highlight(255, 255, 255);

inline const QColor KeyWhite(250, 250, 250);
inline const QColor DarkBlue(22, 44, 120);
inline const QColor DarkBlueLight(70, 96, 176);
inline const QColor DarkBlueShade(8, 18, 60);
inline const QColor LightBlue(44, 132, 224);
inline const QColor LightBlueLight(150, 205, 252);
inline const QColor LightBlueShade(12, 56, 128);
inline const QColor LitYellow(255, 232, 56);

// An opaque image of `size` logical pixels, `scale` device pixels to each, filled with `fill`.
// A painter on it works in logical pixels; lines, text and shapes are drawn at the full
// resolution.
QImage canvas(QSize size, int scale, const QColor &fill);
// A bold font of the given pixel height; crisp (no antialiasing) for the mapped face.
QFont font(int pixelSize, bool crisp, QFont::Weight weight = QFont::Bold);
// The largest bold font, at most maxPixelSize, in which text fits width.
QFont fittingFont(const QString &text, int width, int maxPixelSize, bool crisp);
// The font at `scale` times its pixel size.
QFont scaledFont(QFont font, int scale);
// Text in a box, laid out in device pixels with the font at their size. Laid out at the logical
// size and drawn at twice it, whole-pixel advances would leave uneven gaps between letters.
void drawText(QPainter &p, const QRect &box, int flags, const QString &text, const QFont &font,
              const QColor &colour);
// Text centred in a box.
void drawCentred(QPainter &p, const QRect &box, const QString &text, const QFont &font,
                 const QColor &colour);

// The image as 8 bits per pixel. The colour table is exact for up to 256 colours; beyond, the
// rarest steps of antialiased edges take their nearest kept colour (no dithering).
QImage toIndexed(const QImage &image);
} // namespace PanelPaint
