// SPDX-License-Identifier: MIT
// The emulated devices live behind libumockdev-preload, which has to be loaded into the whole
// process before anything opens a file. So this program starts itself again with the library
// preloaded, before main runs. umockdev_in_mock_environment() cannot tell whether that already
// happened (it answers 0 even under the library), so LD_PRELOAD is asked instead.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <link.h>
#include <string>
#include <unistd.h>

namespace {
constexpr char PreloadLibrary[] = "libumockdev-preload.so.0";

// AddressSanitizer refuses to start unless its runtime is the first library of the process,
// so a sanitizer build preloads its own runtime ahead of the emulator.
std::string sanitizerRuntime()
{
    std::string path;
    dl_iterate_phdr(
        [](dl_phdr_info *info, std::size_t, void *found) {
            const char *name = info->dlpi_name;
            if (name && (std::strstr(name, "/libasan.so") || std::strstr(name, "clang_rt.asan"))) {
                *static_cast<std::string *>(found) = name;
                return 1;
            }
            return 0;
        },
        &path);
    return path;
}

__attribute__((constructor)) void restartUnderPreload(int, char **argv, char **)
{
    const char *preload = std::getenv("LD_PRELOAD");
    if (preload && std::strstr(preload, PreloadLibrary))
        return;
    std::string libraries = sanitizerRuntime();
    if (!libraries.empty())
        libraries += ':';
    libraries += PreloadLibrary;
    if (preload && *preload)
        libraries += std::string(":") + preload;
    setenv("LD_PRELOAD", libraries.c_str(), 1);
    execv("/proc/self/exe", argv);
    std::perror("cannot restart the test program with the device emulator preloaded");
    std::_Exit(127);
}
} // namespace
