// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The instruction sets our pixel kernels have paths for, from the plainest up. Every path of a
// kernel gives the same bytes; the choice only changes the speed.
//
// The environment variable QUILLON_CPU ("portable", "avx2" or "avx512") caps the path for the
// whole process, so that every path this processor runs can be tested and measured here.

// The vector kernels are built only where the compiler targets x86-64.
#if defined(__x86_64__)
#define QUILLON_X86_64_KERNELS 1
#endif

enum class CpuPath
{
    Portable, // plain C++ the compiler vectorises for whatever it targets
    Avx2,
    Avx512, // F, BW and VBMI
};

bool isCpuPathSupported(CpuPath path);
// The best path this processor supports, no higher than path.
CpuPath supportedPathUpTo(CpuPath path);

// The best supported path no higher than the one a QUILLON_CPU value names; the best supported
// path when the value is empty or names none.
CpuPath cpuPathFor(std::string_view forced);

// cpuPathFor(QUILLON_CPU). Read at each call (a kernel calls it once per picture), so that one
// benchmark run can compare the paths.
CpuPath activeCpuPath();
