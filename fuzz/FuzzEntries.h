// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

// One entry point per parser of ours, each fed arbitrary bytes. Each checks what must hold for
// any input and aborts when it does not; crashes and undefined behaviour are for the sanitizers
// to find. The fuzzers call them, and so does the test that replays every input that ever
// found a fault.
namespace FuzzEntry {
using Input = std::span<const std::uint8_t>;

// A picture file (BMP or JPEG, recognised by content) decoded; what decodes is saved as BMP
// and as JPEG and loaded again.
void imageFile(Input data);
// A file name given to Save: the format chosen for it.
void imageFormat(Input data);
// A stored "WindowPos" text: parsed, formatted back, fitted to fake screens.
void windowPlacement(Input data);
// A settings file as the user may have edited it: every value read.
void settings(Input data);
// Lines sent to the simulator's control socket; the first also as --sim-coefficients and
// --sim-fault.
void simControl(Input data);
// The camera's replies to the two status queries.
void cameraStatus(Input data);

struct Target
{
    const char *name;
    void (*run)(Input data);
};
// Every entry by the name of its fuzzer and of its regression folder.
std::span<const Target> targets();
} // namespace FuzzEntry
