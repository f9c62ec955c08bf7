// SPDX-License-Identifier: MIT
#pragma once

#include "link/OperationClaim.h"
#include "link/PipeTransport.h"

#include <memory>

class SimulatedMainUnit;

// The simulated main unit's three pipes. Each keeps the unit claimed while it is open. A handle
// that outlives its unit fails every transfer.
namespace SimPipes {
std::unique_ptr<PipeHandle> commandPipe(SimulatedMainUnit &unit, OperationClaim::Token claim);
std::unique_ptr<PipeHandle> replyPipe(SimulatedMainUnit &unit, OperationClaim::Token claim);
// Closing it ends the transfer under way; the rest of the frame is dropped.
std::unique_ptr<PipeHandle> imagePipe(SimulatedMainUnit &unit, OperationClaim::Token claim);
} // namespace SimPipes
