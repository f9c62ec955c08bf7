// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <Qt>

#include <array>
#include <span>

// What each key of the remote panel is called for people who cannot see it, and the keyboard
// keys that work it: a companion of the control table, one row per control id.
namespace RemoteControl {
// Where a keyboard key must be: the numeric pad's digits move the pointer, the main row's
// choose a resolution.
enum class KeyPlace
{
    Anywhere,
    MainKeys,
    NumericPad,
};

struct KeyboardKey
{
    Qt::Key key = Qt::Key_unknown;
    KeyPlace place = KeyPlace::Anywhere;
    // The same physical key under another mode (the numeric pad without Num Lock): it works,
    // but the tool tip does not name it twice.
    bool alias = false;
};

struct PanelKeyRow
{
    int id;
    // What the key does, with its caption on the panel where the words differ.
    const char *name;
    std::array<KeyboardKey, 3> keys;
};

// Every control, by id from 1006 to 1040.
std::span<const PanelKeyRow> panelKeyTable();
// The control a keyboard key works, or 0.
int controlForKey(int key, Qt::KeyboardModifiers modifiers);
// "Key: +" or "Keys: Up, numeric pad 8": the keys as the tool tip and the screen reader say them.
QString keysDescription(const PanelKeyRow &row);
} // namespace RemoteControl
