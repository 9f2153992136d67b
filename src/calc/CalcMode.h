#pragma once

// What the calculator window's keyboard and mouse act on: the keypad, or
// the tape's grid, whose lines are then chosen, stored and edited.
enum class CalcMode { Keypad, Grid };
