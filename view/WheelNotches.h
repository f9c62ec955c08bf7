// SPDX-License-Identifier: MIT
#pragma once

// Whole notches of a wheel: 120 eighths of a degree make one; finer wheels and touch pads add up
// to it.
class WheelNotches
{
public:
    // The whole notches that angleDelta completes (positive: away from the user); what is left
    // over counts towards the next ones.
    int take(int angleDelta)
    {
        m_remainder += angleDelta;
        const int notches = m_remainder / Notch;
        m_remainder -= notches * Notch;
        return notches;
    }

private:
    static constexpr int Notch = 120;
    int m_remainder = 0; // eighths of a degree not yet worth a whole notch
};
