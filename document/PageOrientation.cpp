// SPDX-License-Identifier: MIT
#include "document/PageOrientation.h"

#include <cmath>

namespace PageOrientation {
std::optional<bool> sureWay(double uprightConfidence)
{
    if (std::abs(uprightConfidence) < ConfidentAscenders)
        return std::nullopt;
    return uprightConfidence < 0;
}

std::optional<bool> sureWay(const std::optional<Detection> &detection)
{
    if (!detection || std::abs(detection->upright - detection->upsideDown) < ConfidentLead)
        return std::nullopt;
    return detection->upsideDown > detection->upright;
}
} // namespace PageOrientation
