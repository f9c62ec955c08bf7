// SPDX-License-Identifier: MIT
#include "sim/SimControlCommands.h"

#include "sim/CameraSettingsText.h"
#include "sim/SheetSetupText.h"
#include "sim/SimulatedMainUnit.h"

#include <QStringList>

#include <functional>
#include <map>

namespace {
QString fail(const QString &reason)
{
    return QStringLiteral("error: ") + reason;
}

const QString Ok = QStringLiteral("ok");

std::optional<int> parseNumber(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// A received command in double quotes, so that its blanks show; bytes that are not printable
// ASCII as \xNN, so that each command stays on its own line.
QString quoted(const std::string &command)
{
    QString text = QStringLiteral("\"");
    for (const char c : command) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(int(std::uint8_t(c)), 2, 16, QLatin1Char('0'));
    }
    return text + QLatin1Char('"');
}

// An answer of several lines: the lines, then "ok" on its own.
QString withOk(const QString &lines)
{
    return lines.isEmpty() ? Ok : lines + QLatin1Char('\n') + Ok;
}

// Commands without an argument; each answers its own reason when it cannot be done.
using Action = std::function<QString(SimulatedMainUnit &)>;

const Action *findActionWithoutArgument(const QString &name)
{
    static const std::map<QString, Action> actions{
        {QStringLiteral("plug"),
         [](SimulatedMainUnit &u) {
             return u.plug() ? Ok : fail(QStringLiteral("the main unit is already plugged in"));
         }},
        {QStringLiteral("unplug"),
         [](SimulatedMainUnit &u) {
             return u.unplug() ? Ok : fail(QStringLiteral("the main unit is already unplugged"));
         }},
        {QStringLiteral("other-device"),
         [](SimulatedMainUnit &u) {
             u.announceOtherDevice();
             return Ok;
         }},
        {QStringLiteral("nak"),
         [](SimulatedMainUnit &u) {
             u.refuseNextCommand();
             return Ok;
         }},
        {QStringLiteral("comm-not-usb"),
         [](SimulatedMainUnit &u) {
             u.setCommunicationUsb(false);
             return Ok;
         }},
        {QStringLiteral("comm-usb"),
         [](SimulatedMainUnit &u) {
             u.setCommunicationUsb(true);
             return Ok;
         }},
        {QStringLiteral("reply-fail"),
         [](SimulatedMainUnit &u) {
             u.failNextReplyPipe();
             return Ok;
         }},
        {QStringLiteral("image-fail"),
         [](SimulatedMainUnit &u) {
             u.failNextImagePipe();
             return Ok;
         }},
        {QStringLiteral("command-fail"),
         [](SimulatedMainUnit &u) {
             u.failNextCommand();
             return Ok;
         }},
        {QStringLiteral("sent"),
         [](SimulatedMainUnit &u) {
             QStringList lines;
             for (const std::string &command : u.takeNewCommands())
                 lines << quoted(command);
             return withOk(lines.join(QLatin1Char('\n')));
         }},
        {QStringLiteral("state"),
         [](SimulatedMainUnit &u) {
             return withOk(describeSettings(u.settings()));
         }},
    };
    auto action = actions.find(name);
    return action == actions.end() ? nullptr : &action->second;
}
} // namespace

std::optional<ColorCoefficients> parseCoefficients(const QString &text, QString *error)
{
    const QStringList parts = text.split(QLatin1Char(','));
    std::optional<int> k[4];
    if (parts.size() == 4) {
        for (int i = 0; i < 4; ++i)
            k[i] = parseNumber(parts[i].trimmed(), 0, 255);
    }
    if (parts.size() != 4 || !k[0] || !k[1] || !k[2] || !k[3]) {
        *error = QStringLiteral("coefficients are four numbers 0 to 255 separated by commas, "
                                "e.g. 90,113,23,11; not \"%1\"")
                     .arg(text);
        return std::nullopt;
    }
    return ColorCoefficients{std::uint8_t(*k[0]), std::uint8_t(*k[1]), std::uint8_t(*k[2]),
                             std::uint8_t(*k[3])};
}

QString runSimFaults(SimulatedMainUnit &unit, const QString &list)
{
    for (const QString &fault : list.split(QLatin1Char(','))) {
        const QString answer = runSimCommand(unit, QString(fault).replace(u'=', u' '));
        if (answer != Ok)
            return answer.mid(QStringLiteral("error: ").size());
    }
    return {};
}

QString runSimCommand(SimulatedMainUnit &unit, const QString &line)
{
    const QString trimmed = line.trimmed();
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    const QString name = trimmed.left(space < 0 ? trimmed.size() : space);
    const QString argument = space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
    if (name.isEmpty())
        return fail(QStringLiteral("empty command"));

    if (const Action *action = findActionWithoutArgument(name)) {
        if (!argument.isEmpty())
            return fail(QStringLiteral("%1 takes no argument").arg(name));
        return (*action)(unit);
    }
    if (name == QLatin1String("initializing")) {
        const std::optional<int> n = parseNumber(argument, 0, 1000000);
        if (!n)
            return fail(QStringLiteral("initializing needs a count 0 to 1000000"));
        unit.setInitializing(*n);
        return Ok;
    }
    if (name == QLatin1String("short-row") || name == QLatin1String("unplug-at-row")) {
        const std::optional<int> row = parseNumber(argument, 1, FrameLayout::RawRows);
        if (!row)
            return fail(QStringLiteral("%1 needs a row 1 to 1024").arg(name));
        if (name == QLatin1String("short-row"))
            unit.shortenRow(*row);
        else
            unit.unplugAtRow(*row);
        return Ok;
    }
    if (name == QLatin1String("slow-transfer")) {
        const std::optional<int> ms = parseNumber(argument, 1, FaultPlan::MaxMsPerRow);
        if (!ms)
            return fail(QStringLiteral("slow-transfer needs milliseconds per row, 1 to %1")
                            .arg(FaultPlan::MaxMsPerRow));
        unit.slowNextTransfer(*ms);
        return Ok;
    }
    if (name == QLatin1String("frame")) {
        if (argument.isEmpty())
            return fail(QStringLiteral("frame needs a file name"));
        QString error;
        return unit.loadFrame(argument, &error) ? Ok : fail(error);
    }
    if (name == QLatin1String("sheet")) {
        if (argument.isEmpty()) {
            if (!unit.sheet())
                return fail(QStringLiteral("no sheet is shown"));
            return withOk(describeSheet(*unit.sheet()));
        }
        if (argument == QLatin1String("off")) {
            unit.setSheet(std::nullopt);
            return Ok;
        }
        QString error;
        const std::optional<SheetSetup> setup = parseSheetSetup(argument, &error);
        if (!setup)
            return fail(error);
        unit.setSheet(setup);
        return Ok;
    }
    if (name == QLatin1String("refuse")) {
        static const std::map<QString, CameraRefusal> refusals{
            {QStringLiteral("none"), CameraRefusal::None},
            {QStringLiteral("permission"), CameraRefusal::PermissionDenied},
            {QStringLiteral("busy"), CameraRefusal::Busy}};
        const auto refusal = refusals.find(argument);
        if (refusal == refusals.end())
            return fail(QStringLiteral("refuse needs permission, busy or none"));
        unit.setRefusal(refusal->second);
        return Ok;
    }
    if (name == QLatin1String("set")) {
        const QStringList parts = argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 2)
            return fail(QStringLiteral("set needs a setting and a value, e.g. set lamp 1"));
        CameraSettings settings = unit.settings();
        QString error;
        if (!changeSetting(settings, parts[0], parts[1], &error))
            return fail(error);
        unit.setSettings(settings);
        return Ok;
    }
    if (name == QLatin1String("coefficients")) {
        QString error;
        const std::optional<ColorCoefficients> k = parseCoefficients(argument, &error);
        if (!k)
            return fail(error);
        unit.setCoefficients(*k);
        return Ok;
    }
    return fail(QStringLiteral("unknown command \"%1\"").arg(name));
}
