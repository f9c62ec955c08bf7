// SPDX-License-Identifier: MIT
#include "kernels/CpuPath.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// QUILLON_CPU caps the kernels' path; one this processor lacks falls to the best below it.
TEST(CpuPathChoice, TheVariableCapsThePath)
{
    const CpuPath best = supportedPathUpTo(CpuPath::Avx512);
    EXPECT_EQ(cpuPathFor("portable"), CpuPath::Portable);
    EXPECT_EQ(cpuPathFor("avx2"), std::min(best, CpuPath::Avx2));
    for (const char *name : {"avx512", "", "sse9"})
        EXPECT_EQ(cpuPathFor(name), best) << name;
    setenv("QUILLON_CPU", "portable", 1);
    EXPECT_EQ(activeCpuPath(), CpuPath::Portable);
    unsetenv("QUILLON_CPU");
    EXPECT_EQ(activeCpuPath(), best);
}
} // namespace
