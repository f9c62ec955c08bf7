// SPDX-License-Identifier: MIT
#include "remote/PanelKeys.h"

#include "remote/RemoteControlTable.h"

#include <QKeySequence>
#include <QStringList>

namespace RemoteControl {
namespace {
constexpr KeyboardKey pad(Qt::Key key)
{
    return {key, KeyPlace::NumericPad, false};
}
// The numeric pad's key with Num Lock off.
constexpr KeyboardKey padAlias(Qt::Key key)
{
    return {key, KeyPlace::NumericPad, true};
}
constexpr KeyboardKey mainKey(Qt::Key key)
{
    return {key, KeyPlace::MainKeys, false};
}
constexpr KeyboardKey any(Qt::Key key)
{
    return {key, KeyPlace::Anywhere, false};
}

// Holds (pointer, zoom, focus, iris) act while their key is down; the others act once per
// press. Letters name the toggles; F5 to F8 the rotations, 1 to 6 the inputs.
constexpr PanelKeyRow Table[] = {
    {LockId, "Key lock (LOCK)", {any(Qt::Key_L)}},
    {PointerId, "Pointer (POINTER)", {any(Qt::Key_P)}},
    {DoubleZoomId, "Double zoom (2x)", {any(Qt::Key_X)}},
    {1009, "Move pointer up-left", {pad(Qt::Key_7), padAlias(Qt::Key_Home)}},
    {1010, "Move pointer up", {mainKey(Qt::Key_Up), pad(Qt::Key_8), padAlias(Qt::Key_Up)}},
    {1011, "Move pointer up-right", {pad(Qt::Key_9), padAlias(Qt::Key_PageUp)}},
    {1012, "Move pointer left", {mainKey(Qt::Key_Left), pad(Qt::Key_4), padAlias(Qt::Key_Left)}},
    {1013, "Move pointer right", {mainKey(Qt::Key_Right), pad(Qt::Key_6), padAlias(Qt::Key_Right)}},
    {1014, "Move pointer down-left", {pad(Qt::Key_1), padAlias(Qt::Key_End)}},
    {1015, "Move pointer down", {mainKey(Qt::Key_Down), pad(Qt::Key_2), padAlias(Qt::Key_Down)}},
    {1016, "Move pointer down-right", {pad(Qt::Key_3), padAlias(Qt::Key_PageDown)}},
    {1017, "Zoom in (TELE)", {any(Qt::Key_Plus)}},
    {1018, "Zoom out (WIDE)", {any(Qt::Key_Minus)}},
    {1019, "Focus near (NEAR)", {mainKey(Qt::Key_PageUp)}},
    {1020, "Focus far (FAR)", {mainKey(Qt::Key_PageDown)}},
    {1021, "Open iris (IRIS OPEN)", {any(Qt::Key_Asterisk)}},
    {1022, "Close iris (IRIS CLOSE)", {any(Qt::Key_Slash)}},
    {BaseLampId, "Base lamp", {any(Qt::Key_B)}},
    {UpperLampId, "Upper lamp", {any(Qt::Key_U)}},
    {1025, "Rotation 0 degrees", {any(Qt::Key_F5)}},
    {1026, "Rotation 90 degrees", {any(Qt::Key_F6)}},
    {1027, "Rotation 180 degrees", {any(Qt::Key_F7)}},
    {1028, "Rotation 270 degrees", {any(Qt::Key_F8)}},
    {1029, "Resolution VGA", {mainKey(Qt::Key_1)}},
    {1030, "Resolution SVGA", {mainKey(Qt::Key_2)}},
    {1031, "Resolution XGA", {mainKey(Qt::Key_3)}},
    {1032, "Resolution SXGA", {mainKey(Qt::Key_4)}},
    {Rgb1Id, "RGB input 1 (RGB1)", {mainKey(Qt::Key_5)}},
    {Rgb2Id, "RGB input 2 (RGB2)", {mainKey(Qt::Key_6)}},
    {PauseId, "Freeze picture (PAUSE)", {any(Qt::Key_Space), any(Qt::Key_Pause)}},
    {NegaPosiId, "Negative picture (POSI/NEGA)", {any(Qt::Key_N)}},
    {ColorBwId, "Black and white (COLOR/B&W)", {any(Qt::Key_C)}},
    {GammaId, "Gamma correction (GAMMA)", {any(Qt::Key_G)}},
    {AutoFocusId, "Auto focus (AF)", {any(Qt::Key_A)}},
    {IrisNormalId, "Normal iris (IRIS NORMAL)", {any(Qt::Key_I)}},
};
static_assert(std::size(Table) == ControlCount);

bool matches(const KeyboardKey &entry, int key, Qt::KeyboardModifiers modifiers)
{
    if (entry.key == Qt::Key_unknown || entry.key != key)
        return false;
    const bool onPad = modifiers.testFlag(Qt::KeypadModifier);
    return entry.place == KeyPlace::Anywhere || onPad == (entry.place == KeyPlace::NumericPad);
}
} // namespace

std::span<const PanelKeyRow> panelKeyTable()
{
    return Table;
}

int controlForKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Shift makes "+" and "*" on many layouts; Ctrl and Alt belong to the program's shortcuts.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    for (const PanelKeyRow &row : Table) {
        for (const KeyboardKey &entry : row.keys) {
            if (matches(entry, key, modifiers))
                return row.id;
        }
    }
    return 0;
}

QString keysDescription(const PanelKeyRow &row)
{
    QStringList names;
    for (const KeyboardKey &entry : row.keys) {
        if (entry.key == Qt::Key_unknown || entry.alias)
            continue;
        const QString name = QKeySequence(entry.key).toString(QKeySequence::NativeText);
        names << (entry.place == KeyPlace::NumericPad ? QStringLiteral("numeric pad ") + name
                                                      : name);
    }
    return (names.size() == 1 ? QStringLiteral("Key: ") : QStringLiteral("Keys: ")) +
           names.join(QStringLiteral(", "));
}
} // namespace RemoteControl
