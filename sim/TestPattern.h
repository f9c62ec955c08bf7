// SPDX-License-Identifier: MIT
#pragma once

#include "sim/CameraScene.h"

#include <cstdint>
#include <vector>

// The simulated camera's picture: colour bars, a grey ramp and wedge, 1-pixel lines at several
// pitches and text in a built-in font, as the raw frame the camera sends of it (renderFrame).
// Deterministic: the same bytes on every machine.
std::vector<std::uint8_t> renderTestFrame(const PictureState &state);
