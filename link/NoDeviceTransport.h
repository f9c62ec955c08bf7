// SPDX-License-Identifier: MIT
#pragma once

#include "link/PipeTransport.h"

// No camera driver on this machine: every pipe is unavailable, so the camera reads as absent.
class NoDeviceTransport : public PipeTransport
{
public:
    std::unique_ptr<PipeHandle> open(std::string_view) override { return nullptr; }
};
