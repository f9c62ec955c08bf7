// SPDX-License-Identifier: MIT
#pragma once

#include "sim/TestPattern.h"

#include <QImage>

// The simulated camera's picture as a capture shows it (default colour coefficients, the
// default gamma, no sharpening): 1272 x 1024, 24 bits.
QImage simulatorPicture(const PictureState &state = {});
