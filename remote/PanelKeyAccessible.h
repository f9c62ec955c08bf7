// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Screen readers see the panel's bitmap keys as buttons with their names, their keyboard keys,
// and their state: a toggle key is checkable and checked while lit, a held key is pressed.
void installPanelKeyAccessibility();
// Tells assistive technology that a key's checked or pressed state changed.
void announceKeyState(QWidget *key);
