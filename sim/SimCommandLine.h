// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QCommandLineParser;
class SimulatedMainUnit;

// The command-line options that select and set up the simulated main unit:
//   --simulate                       use the simulator instead of the camera
//   --sim-frame=FILE                 serve this raw frame (exactly 2,621,440 bytes)
//   --sim-sheet=LIST                 show a sheet of typeset text (see parseSheetSetup)
//   --sim-coefficients=K0,K1,K2,K3   the colour coefficients it reports
//   --sim-control=NAME               accept control commands on the local socket NAME
//   --sim-fault=LIST                 control commands run at start (see runSimFaults)
namespace SimCommandLine {
void addOptions(QCommandLineParser &parser);

struct Setup
{
    // Null when --simulate was not given, or when error says why the options cannot be used.
    std::unique_ptr<SimulatedMainUnit> unit;
    QString error;
};

// A simulator configured from the parsed options; the control server, if asked for, belongs
// to the unit.
Setup createSimulator(const QCommandLineParser &parser);
} // namespace SimCommandLine
