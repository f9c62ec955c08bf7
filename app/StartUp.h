// SPDX-License-Identifier: MIT
#pragma once

// The whole program: command line, the camera or its simulator, then the main window or a
// headless capture. Returns the exit status.
int runQuillon(int argc, char **argv);

// Keeps the memory of freed picture buffers in the process for the next capture. Every capture
// allocates and frees several blocks of megabytes; left to the defaults, each comes fresh from
// the system and its first touch of every page costs more than the whole conversion.
void keepImageMemoryInProcess();

// Maps and touches, once, as much memory as a capture uses, and leaves it to the heap, so that
// the first capture is as fast as the next. Changes nothing that can be seen: every block of the
// capture is still allocated, and can still fail, where it always was.
void prepareImageMemory();

// Readies what the first capture would otherwise set up on its way: the wait cursor and the
// threads that draw the picture.
void prepareDrawing();
