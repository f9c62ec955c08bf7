// SPDX-License-Identifier: MIT
#pragma once

#include "link/PipeTransport.h"

#include <memory>

class SimulatedMainUnit;

// The simulated main unit's three pipes. A handle that outlives its unit fails every transfer.
namespace SimPipes {
std::unique_ptr<PipeHandle> commandPipe(SimulatedMainUnit &unit);
std::unique_ptr<PipeHandle> replyPipe(SimulatedMainUnit &unit);
// Closing it ends the transfer under way; the rest of the frame is dropped.
std::unique_ptr<PipeHandle> imagePipe(SimulatedMainUnit &unit);
} // namespace SimPipes
