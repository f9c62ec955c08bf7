// SPDX-License-Identifier: MIT
#include "sim/SimCommandSet.h"

#include <cstring>

namespace SimCommandSet {
namespace {
std::uint8_t digit(int value)
{
    return std::uint8_t('0' + value);
}

bool flag(char argument)
{
    return argument == '1';
}

constexpr ControlCommand ControlCommands[] = {
    // Motions and one-off actions the camera just carries out.
    {"ZO", "+-0", nullptr},
    {"FO", "+-0", nullptr},
    {"IR", "+-01", nullptr},
    {"AF", "0", nullptr},
    {"PM", "012345678", nullptr},
    {"TR", "0", nullptr},
    // Settings the status queries report.
    {"LL", "01",
     [](CameraSettings &s, char a) {
         s.lock = flag(a);
     }},
    {"PO", "01",
     [](CameraSettings &s, char a) {
         s.pointer = flag(a);
     }},
    {"MA", "01",
     [](CameraSettings &s, char a) {
         s.doubleZoom = flag(a);
     }},
    {"FZ", "01",
     [](CameraSettings &s, char a) {
         s.pause = flag(a);
     }},
    {"NP", "01",
     [](CameraSettings &s, char a) {
         s.negative = flag(a);
     }},
    {"CB", "01",
     [](CameraSettings &s, char a) {
         s.blackAndWhite = flag(a);
     }},
    {"GM", "01",
     [](CameraSettings &s, char a) {
         s.gammaOn = a == '0';
     }},
    {"PL", "012",
     [](CameraSettings &s, char a) {
         s.lamp = a - '0';
     }},
    {"RO", "0123",
     [](CameraSettings &s, char a) {
         s.selectRotation(a - '0');
     }},
    {"RS", "0123",
     [](CameraSettings &s, char a) {
         s.selectResolution(a - '0');
     }},
    {"AV", "12",
     [](CameraSettings &s, char a) {
         s.rgbInput = a - '0';
     }},
};
} // namespace

bool isStatusQuery(const std::string &text)
{
    return text.size() == 5 && text.compare(0, 2, "QS") == 0 && text.compare(3, 2, "  ") == 0 &&
           std::strchr("0234", text[2]);
}

ReplyPacket answerStatusQuery(const std::string &query, const CameraSettings &s,
                              const UnitState &unit)
{
    switch (query[2]) {
    case '0':
        return {digit(s.lamp),    digit(s.rgbInput),   digit(s.negative), digit(s.blackAndWhite),
                digit(s.pointer), digit(s.doubleZoom), digit(s.pause),    digit(s.lock)};
    case '2':
        return {digit(s.resolution), digit(s.gammaOn ? 0 : 1), digit(s.rotation)};
    case '3':
        return {std::uint8_t(unit.communicationUsb ? '0' : '1')};
    default:
        return {std::uint8_t(unit.initializing ? 1 : 0), unit.coefficients.k0, unit.coefficients.k1,
                unit.coefficients.k2, unit.coefficients.k3};
    }
}

const ControlCommand *findControl(const std::string &text)
{
    if (text.size() != 5 || text.compare(3, 2, "  ") != 0)
        return nullptr;
    for (const ControlCommand &c : ControlCommands) {
        if (text.compare(0, 2, c.name) == 0 && std::strchr(c.arguments, text[2]))
            return &c;
    }
    return nullptr;
}
} // namespace SimCommandSet
