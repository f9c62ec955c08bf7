// SPDX-License-Identifier: MIT
#include "sim/CameraSettingsText.h"

#include "sim/SimCommandSet.h"

#include <QStringList>

#include <variant>

namespace {
// A setting is either a number in a range or on/off.
struct Field
{
    const char *name;
    std::variant<int CameraSettings::*, bool CameraSettings::*> member;
    int highest; // numbers only: 0 to highest
};

constexpr Field Fields[] = {
    {"lamp", &CameraSettings::lamp, 2},
    {"rgb-input", &CameraSettings::rgbInput, 2},
    {"negative", &CameraSettings::negative, 0},
    {"black-and-white", &CameraSettings::blackAndWhite, 0},
    {"pointer", &CameraSettings::pointer, 0},
    {"double-zoom", &CameraSettings::doubleZoom, 0},
    {"pause", &CameraSettings::pause, 0},
    {"lock", &CameraSettings::lock, 0},
    {"resolution", &CameraSettings::resolution, 3},
    {"gamma", &CameraSettings::gammaOn, 0},
    {"rotation", &CameraSettings::rotation, 3},
};

const Field *findField(const QString &name)
{
    for (const Field &field : Fields) {
        if (name == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

QString fieldNames()
{
    QStringList names;
    for (const Field &field : Fields)
        names << QLatin1String(field.name);
    return names.join(QStringLiteral(", "));
}
} // namespace

QString describeSettings(const CameraSettings &settings)
{
    QStringList lines;
    for (const Field &field : Fields) {
        QString value;
        if (const auto *number = std::get_if<int CameraSettings::*>(&field.member))
            value = QString::number(settings.**number);
        else
            value = settings.*std::get<bool CameraSettings::*>(field.member)
                        ? QStringLiteral("on")
                        : QStringLiteral("off");
        lines << QLatin1String(field.name) + QLatin1Char(' ') + value;
    }
    return lines.join(QLatin1Char('\n'));
}

bool changeSetting(CameraSettings &settings, const QString &name, const QString &value,
                   QString *error)
{
    const Field *field = findField(name);
    if (!field) {
        *error = QStringLiteral("unknown setting \"%1\"; settings are %2").arg(name, fieldNames());
        return false;
    }
    if (const auto *flag = std::get_if<bool CameraSettings::*>(&field->member)) {
        const bool on = value == QLatin1String("on") || value == QLatin1String("1");
        if (!on && value != QLatin1String("off") && value != QLatin1String("0")) {
            *error = QStringLiteral("%1 is on or off, not \"%2\"").arg(name, value);
            return false;
        }
        settings.**flag = on;
        return true;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < 0 || number > field->highest) {
        *error =
            QStringLiteral("%1 is 0 to %2, not \"%3\"").arg(name).arg(field->highest).arg(value);
        return false;
    }
    const auto member = std::get<int CameraSettings::*>(field->member);
    if (member == &CameraSettings::resolution)
        settings.selectResolution(number);
    else if (member == &CameraSettings::rotation)
        settings.selectRotation(number);
    else
        settings.*member = number;
    return true;
}
