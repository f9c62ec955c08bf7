// SPDX-License-Identifier: MIT
#pragma once

// The whole program: command line, the camera or its simulator, then the main window or a
// headless capture. Returns the exit status.
int runQuillon(int argc, char **argv);
