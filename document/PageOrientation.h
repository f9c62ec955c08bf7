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

// One way needs a lead of this much to be taken without trying both. On camera pictures of
// print the wrong way led by up to 3.4; the right way led by 0.1 to 14.
inline constexpr double ConfidentLead = 5.0;

// True for upside down, false for as it is, when the detection is sure; nothing when it is
// unsure or missing, and both ways must be tried.
std::optional<bool> sureWay(const std::optional<Detection> &detection);
} // namespace PageOrientation
