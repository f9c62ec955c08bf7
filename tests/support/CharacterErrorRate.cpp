// SPDX-License-Identifier: MIT
#include "tests/support/CharacterErrorRate.h"

#include <QList>

#include <algorithm>
#include <vector>

double characterErrorRate(const QString &truth, const QString &reading)
{
    const QList<uint> t = truth.simplified().toUcs4();
    const QList<uint> r = reading.simplified().toUcs4();
    // Levenshtein distance, one row at a time.
    std::vector<qsizetype> previous(std::size_t(r.size()) + 1);
    std::vector<qsizetype> current(previous.size());
    for (std::size_t j = 0; j < previous.size(); ++j)
        previous[j] = qsizetype(j);
    for (qsizetype i = 1; i <= t.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= r.size(); ++j) {
            const auto k = std::size_t(j);
            current[k] = std::min(
                {previous[k] + 1, current[k - 1] + 1, previous[k - 1] + (t[i - 1] != r[j - 1])});
        }
        std::swap(previous, current);
    }
    return 100.0 * double(previous.back()) / double(std::max<qsizetype>(1, t.size()));
}
