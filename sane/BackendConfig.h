// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The backend's configuration file, quillon.conf, one device or setting a line, '#' starting a
// comment:
//   usb                              the camera over USB
//   simulated                        the simulated main unit
//   simulated-frame FILE             the raw frame it serves (exactly 2,621,440 bytes)
//   simulated-coefficients K0,K1,K2,K3   its colour coefficients
//   simulated-faults LIST            faults it starts with, as the program's --sim-fault
// Without a file only the camera over USB is offered; with one, what it lists.
struct BackendConfig
{
    static constexpr char FileName[] = "quillon.conf";

    bool usb = true;
    bool simulated = false;
    QString simulatedFrame;
    QString simulatedCoefficients;
    QString simulatedFaults;
    QString path; // the file read; empty when none was found

    // From the first folder of SANE_CONFIG_DIR (":"-separated; a trailing ":" adds the installed
    // folder) that holds the file; without the variable, from the working folder, then the
    // installed one, as every SANE backend looks.
    static BackendConfig read();
    // Lines that say nothing known go into problems.
    static BackendConfig parse(const QString &text, QStringList *problems);
    static QStringList searchFolders();
};
