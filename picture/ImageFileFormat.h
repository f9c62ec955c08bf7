// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The format a picture is saved in, from the file's name alone: BMP when the text after the
// last dot of the name is "BMP" in any case, PNG when it is "PNG" in any case, JPEG for every
// other extension and for none.
// (The save dialog adds ".BMP" to a name typed without extension.)
short imageFormatForFileName(const QString &path);
