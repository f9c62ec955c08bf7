// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <functional>

struct jpeg_compress_struct;

// libjpeg-turbo used directly, with its standard tables at a quality, on the rows of a 24-bit
// BGR image: the yardstick of the JPEG writer's tests and the floor of its benchmark. consume
// gets the encoded file while the encoder's buffer is still alive.
void encodeJpegPlainly(
    const QImage &bgr, int quality,
    const std::function<void(const unsigned char *data, unsigned long size)> &consume);

// The same encoder, with the settings changed by configure after libjpeg's defaults (a scan
// script, say) before the rows are written.
void encodeBgrJpeg(
    const QImage &bgr, const std::function<void(jpeg_compress_struct &)> &configure,
    const std::function<void(const unsigned char *data, unsigned long size)> &consume);
