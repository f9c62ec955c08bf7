// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// A picture with what a document camera sees: smooth lighting gradients, a sheet of paper with
// lines of dark print, coloured shapes with hard edges, a fine woven texture and sensor noise.
// The same seed gives the same pixels on every run. 24-bit BGR, like the camera's picture.
QImage syntheticScene(int width = 1272, int height = 1024, unsigned seed = 1);

// The image (any format) as the 24-bit bottom-up BMP file the capture builds: a 54-byte header
// with zero resolution and colour counts, then rows of blue, green, red. Written here
// independently of the program's codecs, so tests can compare against it.
QByteArray cameraBmpFile(const QImage &image);
