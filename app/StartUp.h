// SPDX-License-Identifier: MIT
#pragma once

class QCommandLineParser;
struct StartOptions;

// The program's own options.
void addOptions(QCommandLineParser &parser);
// How the window starts, from a parsed command line.
StartOptions startOptions(const QCommandLineParser &parser);

// The whole program: command line, the camera or its simulator, then the main window or a
// headless capture. Returns the exit status.
int runQuillon(int argc, char **argv);

// Readies what the first capture would otherwise set up on its way: the wait cursor and the
// threads that draw the picture.
void prepareDrawing();
