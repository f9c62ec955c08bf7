// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

#include <array>

// How well corners found match the true ones: the area of the outlines' intersection over that
// of their union.
double overlapOf(const std::array<QPointF, 4> &found, const std::array<QPointF, 4> &truth);
