// SPDX-License-Identifier: MIT
#include "sim/SimCommandLine.h"

#include "sim/SimControlCommands.h"
#include "sim/SimControlServer.h"
#include "sim/SimulatedMainUnit.h"

#include <QCommandLineParser>

namespace {
const QString Simulate = QStringLiteral("simulate");
const QString Frame = QStringLiteral("sim-frame");
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
        {Simulate, QStringLiteral("Use the simulated main unit instead of the camera.")});
    parser.addOption({Frame, QStringLiteral("Raw frame the simulated main unit serves."),
                      QStringLiteral("file")});
    parser.addOption({Coefficients,
                      QStringLiteral("Colour coefficients of the simulated main unit."),
                      QStringLiteral("k0,k1,k2,k3")});
    parser.addOption({Fault,
                      QStringLiteral("Faults the simulated main unit starts with, e.g. "
                                     "image-fail,short-row=7 (see the README)."),
                      QStringLiteral("list")});
    parser.addOption({Control,
                      QStringLiteral("Local socket on which the simulated main unit takes "
                                     "commands (see quillon-simctl)."),
                      QStringLiteral("name")});
}

Setup createSimulator(const QCommandLineParser &parser)
{
    if (!parser.isSet(Simulate)) {
        for (const QString &option : {Frame, Coefficients, Control, Fault}) {
            if (parser.isSet(option))
                return failed(QStringLiteral("--%1 needs --simulate").arg(option));
        }
        return {};
    }
    auto unit = std::make_unique<SimulatedMainUnit>();
    QString error;
    if (parser.isSet(Frame) && !unit->loadFrame(parser.value(Frame), &error))
        return failed(QStringLiteral("--%1: %2").arg(Frame, error));
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
            return failed(QStringLiteral("--%1 needs a name").arg(Control));
        auto *server = new SimControlServer(*unit, unit.get());
        if (!server->listen(name, &error))
            return failed(QStringLiteral("--%1: %2").arg(Control, error));
    }
    return {std::move(unit), QString()};
}
} // namespace SimCommandLine
