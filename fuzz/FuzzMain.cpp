// SPDX-License-Identifier: MIT
// The libFuzzer program of one entry, chosen by name at build time.
#include "fuzz/FuzzEntries.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

namespace {
void (*entry)(FuzzEntry::Input) = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    for (const FuzzEntry::Target &target : FuzzEntry::targets()) {
        if (std::strcmp(target.name, QUILLON_FUZZ_TARGET) == 0)
            entry = target.run;
    }
    if (!entry)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    entry({data, size});
    return 0;
}
