#pragma once

// One key of the calculator keypad: its control array and index in it.
enum class KeyGroup {
    Digit, // imaChiffre 0-9
    Constant, // imaConstante 0
    Sign, // imaSigne
    Decimal, // imaDecimal
    Operator, // imaOpérateur 0-6
    Equals, // imaEgal
    Backspace, // imaRetour
    ClearEntry, // imaCancelEntry
    Clear, // imaCancel
    Function, // imaFonction 0-11
    Memory, // imaMem 0-4
    Grid // imaGrille
};

// The mouse button that acted on a key: the left one, or any other, which
// gives a two-function key's second function and a memory key's recall.
enum class KeyButton { Left, Right };

struct KeyId
{
    KeyGroup group = KeyGroup::Digit;
    int index = 0;
    friend bool operator==(const KeyId &, const KeyId &) = default;
};
