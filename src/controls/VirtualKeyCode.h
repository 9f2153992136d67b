#pragma once

#include <Qt>

// Key codes and modifier masks as the controls report them to their hosts:
// the classic virtual-key numbers (Left = 37, Page Up = 33...) and a Shift
// mask where 1 = Shift, 2 = Ctrl, 4 = Alt.
namespace VirtualKeyCode {

enum Code : int {
    Back = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Menu = 18,
    Pause = 19,
    Capital = 20,
    Escape = 27,
    Space = 32,
    Prior = 33,
    Next = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    F1 = 112,
    NumLock = 144,
    ScrollLock = 145
};

enum Mask : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// 0 when the key has no virtual-key equivalent.
int fromQtKey(int qtKey);
int shiftMask(Qt::KeyboardModifiers modifiers);

} // namespace VirtualKeyCode
