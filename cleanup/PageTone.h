// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The light and colour of a squared page.
namespace PageTone {
// The page with the lamp's fall-off and the paper's cast taken out, the paper made white and the
// print dark; colour stays colour.
QImage evenLight(const QImage &page);
// evenLight() in grey.
QImage grey(const QImage &page);
// The page in black and white (Format_Mono) for measuring its lines, thresholded by the light
// around each pixel (Sauvola's method), so that neither the lamp's fall-off nor a print's line is
// lost. A page of a camera's resolution is enlarged first, up to largestEnlargement times: the
// strokes of small print are only a pixel or two wide there and keep their shape only so.
QImage blackAndWhite(const QImage &page, float largestEnlargement = 3);
// The page in black and white to be read and shown: its light evened as the reading evens it,
// sharpened against the lens blur, enlarged as blackAndWhite() and thresholded a little below
// Otsu's level for the whole page, so that the grey strokes of 8-point print stay whole and
// letters do not run together; a page already enlargedBy times the camera's scale is enlarged
// only the rest of the way. Null for a page too small to judge its light.
QImage readableBlackAndWhite(const QImage &page, double enlargedBy = 1);
// How many times the camera's scale readableBlackAndWhite() thresholds a page of a camera's
// height at: a page squared at that scale in the first place is resampled once only.
double readableEnlargement(int height);
} // namespace PageTone
