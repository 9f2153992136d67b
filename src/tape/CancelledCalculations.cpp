#include "tape/CancelledCalculations.h"

#include "tape/Tape.h"

#include <vector>

namespace CancelledCalculations {

namespace {

bool hasOperator(const Tape &tape, qint64 line) { return !tape.cell(line, Tape::OperatorColumn).isEmpty(); }

// The run of function lines ending at `line` belongs to the cancelled
// calculation when the line above the run is an operand with an operator;
// above a first line or a total it is a finished result.
qint64 functionRunStart(const Tape &tape, qint64 line)
{
    while (line > 0 && tape.kind(line - 1) == Tape::Kind::Function)
        --line;
    return line;
}

} // namespace

long long remove(Tape &tape)
{
    const qint64 count = tape.openLineIndex();
    if (count == 0)
        return 0;
    std::vector<bool> keep(std::size_t(count), true);
    bool inside = false;
    long long removed = 0;
    const auto drop = [&](qint64 line) {
        keep[std::size_t(line)] = false;
        ++removed;
    };
    for (qint64 line = count - 1; line >= 0; --line) {
        const Tape::Kind kind = tape.kind(line);
        if (kind == Tape::Kind::Cancel) {
            drop(line);
            // A struck-out line goes alone; a cancel line takes its calculation.
            if (!tape.isStruckOut(line))
                inside = true;
            continue;
        }
        if (!inside)
            continue;
        if (kind == Tape::Kind::Total) {
            inside = false;
            continue;
        }
        if (kind == Tape::Kind::Function) {
            const qint64 start = functionRunStart(tape, line);
            const bool partOfCalculation =
                start > 0 && tape.kind(start - 1) == Tape::Kind::Operand && hasOperator(tape, start - 1);
            if (!partOfCalculation) {
                inside = false;
                line = start;
                continue;
            }
            for (qint64 l = line; l >= start; --l)
                drop(l);
            line = start;
            continue;
        }
        drop(line);
        if (!hasOperator(tape, line))
            inside = false;
    }
    if (removed > 0)
        tape.keepLines(keep);
    return removed;
}

} // namespace CancelledCalculations
