#pragma once

#include <QtGlobal>

class Tape;

// Recomputes a calculation of the tape from its first line after an edit,
// writing the new intermediate results and total into column 1. Where the
// keypad would show a refusal message, the recalculation writes "Erreur!"
// into the failing line and every later line that depends on it.
namespace Recalculator {

void recalculate(Tape &tape, qint64 first, qint64 last);

// The text written for a failed value.
inline constexpr char16_t ErrorText[] = u"Erreur!";

} // namespace Recalculator
