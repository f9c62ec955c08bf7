// SPDX-License-Identifier: MIT
#include "kernels/CpuPath.h"

#include "kernels/KernelsLogging.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace {
constexpr std::array<std::pair<std::string_view, CpuPath>, 3> Names{{
    {"portable", CpuPath::Portable},
    {"avx2", CpuPath::Avx2},
    {"avx512", CpuPath::Avx512},
}};
} // namespace

bool isCpuPathSupported(CpuPath path)
{
    switch (path) {
    case CpuPath::Portable:
        return true;
#ifdef QUILLON_X86_64_KERNELS
    case CpuPath::Avx2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2");
    case CpuPath::Avx512:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi");
#else
    case CpuPath::Avx2:
    case CpuPath::Avx512:
        return false;
#endif
    }
    return false;
}

CpuPath supportedPathUpTo(CpuPath path)
{
    for (auto at = int(path); at > int(CpuPath::Portable); --at)
        if (isCpuPathSupported(CpuPath(at)))
            return CpuPath(at);
    return CpuPath::Portable;
}

CpuPath cpuPathFor(std::string_view forced)
{
    CpuPath cap = CpuPath::Avx512;
    for (const auto &[name, path] : Names)
        if (forced == name)
            cap = path;
    return supportedPathUpTo(cap);
}

CpuPath activeCpuPath()
{
    const char *forced = std::getenv("QUILLON_CPU");
    const std::string_view name = forced ? forced : "";
    // A misspelt cap would otherwise measure the best path under another path's name.
    if (!name.empty() && std::none_of(Names.begin(), Names.end(),
                                      [name](const auto &entry) { return entry.first == name; }))
        qCWarning(lcKernels, "QUILLON_CPU=%s names no path (portable, avx2, avx512): ignored",
                  forced);
    return cpuPathFor(name);
}
