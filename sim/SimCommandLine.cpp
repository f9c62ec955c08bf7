// SPDX-License-Identifier: MIT
#include "sim/SimCommandLine.h"

#include "sim/SheetSetupText.h"
#include "sim/SimControlCommands.h"
#include "sim/SimControlServer.h"
#include "sim/SimLogging.h"
#include "sim/SimulatedMainUnit.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {
const QString Simulate = QStringLiteral("simulate");
const QString Frame = QStringLiteral("sim-frame");
const QString Sheet = QStringLiteral("sim-sheet");
const QString Coefficients = QStringLiteral("sim-coefficients");
const QString Control = QStringLiteral("sim-control");
const QString Fault = QStringLiteral("sim-fault");

SimCommandLine::Setup failed(const QString &error)
{
    return {nullptr, error};
}
} // namespace

namespace SimCommandLine {
void addOptions(QCommandLineParser &parser)
{
    parser.addOption(
        {Simulate, QCoreApplication::translate(
                       "SimCommandLine", "Use the simulated main unit instead of the camera.")});
    parser.addOption(
        {Frame,
         QCoreApplication::translate("SimCommandLine", "Raw frame the simulated main unit serves."),
         QCoreApplication::translate("SimCommandLine", "file")});
    parser.addOption(
        {Sheet,
         QCoreApplication::translate(
             "SimCommandLine",
             "Sheet of typeset text the simulated main unit shows: \"default\", or changes such "
             "as points=9,turn=90,skew=3,desk=40 (see the README)."),
         QCoreApplication::translate("SimCommandLine", "list")});
    parser.addOption({Coefficients,
                      QCoreApplication::translate(
                          "SimCommandLine", "Colour coefficients of the simulated main unit."),
                      QCoreApplication::translate("SimCommandLine", "k0,k1,k2,k3")});
    parser.addOption({Fault,
                      QCoreApplication::translate(
                          "SimCommandLine", "Faults the simulated main unit starts with, e.g. "
                                            "image-fail,short-row=7 (see the README)."),
                      QCoreApplication::translate("SimCommandLine", "list")});
    parser.addOption({Control,
                      QCoreApplication::translate(
                          "SimCommandLine", "Local socket on which the simulated main unit takes "
                                            "commands (see quillon-simctl)."),
                      QCoreApplication::translate("SimCommandLine", "name")});
}

Setup createSimulator(const QCommandLineParser &parser)
{
    if (!parser.isSet(Simulate)) {
        for (const QString &option : {Frame, Sheet, Coefficients, Control, Fault}) {
            if (parser.isSet(option))
                return failed(QCoreApplication::translate("SimCommandLine", "--%1 needs --simulate")
                                  .arg(option));
        }
        return {};
    }
    auto unit = std::make_unique<SimulatedMainUnit>();
    QString error;
    // Shared with a scanner backend's simulator, as the camera is; without the lock file the
    // simulator still works, on its own.
    if (!unit->shareThrough(SharedCameraLock::defaultPath(), &error))
        qCWarning(lcSim, "the simulated main unit is not shared: %s", qPrintable(error));
    if (parser.isSet(Frame) && !unit->loadFrame(parser.value(Frame), &error))
        return failed(QStringLiteral("--%1: %2").arg(Frame, error));
    if (parser.isSet(Sheet)) {
        if (parser.isSet(Frame))
            return failed(QCoreApplication::translate("SimCommandLine",
                                                      "--%1 and --%2 cannot be used together")
                              .arg(Frame, Sheet));
        const std::optional<SheetSetup> setup = parseSheetSetup(parser.value(Sheet), &error);
        if (!setup)
            return failed(QStringLiteral("--%1: %2").arg(Sheet, error));
        unit->setSheet(setup);
    }
    if (parser.isSet(Coefficients)) {
        const std::optional<ColorCoefficients> k =
            parseCoefficients(parser.value(Coefficients), &error);
        if (!k)
            return failed(QStringLiteral("--%1: %2").arg(Coefficients, error));
        unit->setCoefficients(*k);
    }
    if (parser.isSet(Fault)) {
        error = runSimFaults(*unit, parser.value(Fault));
        if (!error.isEmpty())
            return failed(QStringLiteral("--%1: %2").arg(Fault, error));
    }
    if (parser.isSet(Control)) {
        const QString name = parser.value(Control);
        if (name.isEmpty())
            return failed(
                QCoreApplication::translate("SimCommandLine", "--%1 needs a name").arg(Control));
        auto *server = new SimControlServer(*unit, unit.get());
        if (!server->listen(name, &error))
            return failed(QStringLiteral("--%1: %2").arg(Control, error));
    }
    return {std::move(unit), QString()};
}
} // namespace SimCommandLine
