#pragma once

class Tape;

// "Supprimer les calculs annulés": removes every cancelled calculation in
// one pass over the tape. A calculation that was continued from a result
// (a total, or a function applied outside a calculation) and then cancelled
// loses only the lines written after that result: a finished result is never
// removed.
namespace CancelledCalculations {
// Returns the number of lines removed.
long long remove(Tape &tape);
} // namespace CancelledCalculations
