// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The share of the true text's characters that a reading gets wrong (insertions, deletions and
// substitutions), in percent, after runs of white space are made one blank in both.
double characterErrorRate(const QString &truth, const QString &reading);
