#pragma once

#include "calc/KeyId.h"

#include <QtGlobal>
#include <optional>

// The calculator's keyboard: Windows-style virtual key codes (the codes the
// key table is written in) to simulated presses of keypad keys.
namespace KeyboardMap {

constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

// A simulated click: press (unless `releaseOnly`), a pause, release.
struct Click
{
    KeyId key;
    int pressButton = 0;
    int releaseButton = 0;
    bool releaseOnly = false;
};

// The key table. Nothing for Alt alone, unmapped codes, Ctrl+C and Ctrl+G.
std::optional<Click> clickFor(int virtualKey, int modifierMask);

// The virtual key code of a key event, whatever the keyboard layout: the
// numeric pad by the keypad flag, the top row of digits by its physical key
// (X11/evdev scan codes 10-19), so that it gives digits with or without
// Shift on AZERTY and QWERTY alike; then the other keys by the character
// they produce. 0 for a key the table does not know.
int virtualKeyFor(int qtKey, bool keypad, quint32 nativeScanCode);

} // namespace KeyboardMap
