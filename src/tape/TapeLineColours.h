#pragma once

#include "calc/CalcTape.h"

// The colours a tape line shows for its kind, in the program's notation
// (0x00BBGGRR, or 0x800000nn for system colour nn); 0 leaves the grid's own
// colour. Only the grid shows them: files keep the kind's digit, and print
// marks a struck-out value with brackets.
namespace TapeLineColours {

constexpr quint32 FunctionBack = 0xE0E0E0;
constexpr quint32 TotalBack = 0xC0C0C0;
constexpr quint32 CancelBack = 0x80000012; // system button text
constexpr quint32 CancelFore = 0x8000000E; // system highlight text

// Behind the operator and the value.
constexpr quint32 back(CalcTape::Kind kind)
{
    switch (kind) {
    case CalcTape::Kind::Function: return FunctionBack;
    case CalcTape::Kind::Total: return TotalBack;
    case CalcTape::Kind::Cancel: return CancelBack;
    case CalcTape::Kind::Operand: break;
    }
    return 0;
}

// The text of the operator and the value.
constexpr quint32 valueFore(CalcTape::Kind kind) { return kind == CalcTape::Kind::Cancel ? CancelFore : 0; }

} // namespace TapeLineColours
