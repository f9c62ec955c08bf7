// SPDX-License-Identifier: MIT
#pragma once

#include "kernels/CpuPath.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>

// Registers one benchmark per kernel path, named name/portable, name/avx2 and name/avx512, with
// the path also forced through QUILLON_CPU while it runs (for code that picks its own path). A
// path this processor lacks reports an error instead of a time. Times are wall times.
inline void benchmarkEachPath(
    const std::string &name, std::function<void(benchmark::State &, CpuPath)> body,
    std::initializer_list<CpuPath> paths = {CpuPath::Portable, CpuPath::Avx2, CpuPath::Avx512},
    benchmark::TimeUnit unit = benchmark::kMicrosecond)
{
    static constexpr const char *Names[] = {"portable", "avx2", "avx512"};
    for (CpuPath path : paths) {
        const char *pathName = Names[int(path)];
        benchmark::RegisterBenchmark((name + "/" + pathName).c_str(),
                                     [body, path, pathName](benchmark::State &state) {
                                         if (!isCpuPathSupported(path)) {
                                             state.SkipWithError("this processor lacks the path");
                                             return;
                                         }
                                         setenv("QUILLON_CPU", pathName, 1);
                                         body(state, path);
                                         unsetenv("QUILLON_CPU");
                                     })
            ->Unit(unit)
            ->UseRealTime();
    }
}
