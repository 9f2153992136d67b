#pragma once

#include <QtGlobal>

// What the display holds.
enum class EntryState : quint8 {
    ResultShown = 0, // a result already written on the tape
    Typing = 1, // a number being typed: its value exists only as text
    OperatorChosen = 2, // the last key was a binary operator
    ValueRecalled = 3, // a recalled or pasted value, not yet on the tape
    Cleared = 4 // "0" or a value not yet on the tape
};
