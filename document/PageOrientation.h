// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// Which way up a page stands once its lines are level.
namespace PageOrientation {
// Tesseract's orientation scores for the page as it is and turned upside down.
struct Detection
{
    double upright = 0;
    double upsideDown = 0;
};

// The letters' ascenders decide at Leptonica's own threshold of its up-down confidence. On the
// camera pictures of the recognition benchmark's corpus the right way reached 36 to 72 on every
// page whose lines were found level.
inline constexpr double ConfidentAscenders = 8.0;

// Tesseract's detection needs a lead of this much to be taken. Blurred camera print, enlarged,
// leaves its classifier little to go on: on the same pictures the wrong way led by up to 11.8,
// the right way by up to 15.6.
inline constexpr double ConfidentLead = 14.0;

// True for upside down, false for as it is, when the ascenders' confidence (PrintLines'
// uprightConfidence) is sure; nothing when it is not.
std::optional<bool> sureWay(double uprightConfidence);
// The same from Tesseract's detection; nothing when it is unsure or missing, and both ways must
// be tried.
std::optional<bool> sureWay(const std::optional<Detection> &detection);
} // namespace PageOrientation
