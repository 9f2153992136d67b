#include "tape/Recalculator.h"

#include "calc/Functions.h"
#include "calc/NumberText.h"
#include "calc/Operators.h"
#include "tape/Tape.h"

#include <cmath>

namespace {

struct Value
{
    double number = 0;
    bool failed = false;
};

struct State
{
    Value accumulator;
    Value operand;
    std::optional<Operator> op; // none for a symbol no operator has
    bool pending = false;
    bool operandRead = false; // an operand line since the first line or the last total
};

Value read(const QString &text)
{
    const std::optional<double> number = TextToNumber(text);
    return number ? Value{*number, false} : Value{0, true};
}

QString textOf(const Value &value)
{
    return value.failed ? QString::fromUtf16(Recalculator::ErrorText) : NumberToText(value.number);
}

void applyPending(State &s)
{
    if (!s.pending)
        return;
    s.pending = false;
    if (s.operand.failed) {
        s.accumulator.failed = true;
        return;
    }
    const Operators::Outcome outcome = Operators::evaluate(s.accumulator.number, s.operand.number, s.op);
    if (outcome.accepted)
        s.accumulator.number = outcome.value;
    else
        s.accumulator.failed = true;
}

// The function named in column 0, with the decimals of column 3 for the two
// decimals functions; a refusal marks the value as failed and keeps it.
void applyFunction(Value &value, const QString &name, const QString &parameter)
{
    if (name == Functions::names().last()) { // "+/-"
        value.number = -1 * value.number;
        return;
    }
    const std::optional<Functions::Press> press = Functions::named(name);
    if (!press) {
        value.failed = true;
        return;
    }
    const FunctionKey f = press->key;
    if (Functions::needsDecimals(f) && value.number - std::trunc(value.number) == 0)
        return; // a whole value is left as it is
    // Column 3 holds the number as the keypad wrote it ("2", or "2,7" when
    // the answer had a decimal point); it is rounded as on the keypad.
    const double decimals = TextToNumber(parameter).value_or(LeadingNumber(parameter));
    if (const std::optional<double> result = Functions::apply(f, press->button, value.number, decimals))
        value.number = *result;
    else
        value.failed = true;
}

} // namespace

namespace Recalculator {

void recalculate(Tape &tape, qint64 first, qint64 last)
{
    if (first >= last)
        return;
    State s;
    s.accumulator = read(tape.cell(first, Tape::ValueColumn));
    for (qint64 i = first + 1; i <= last; ++i) {
        switch (tape.kind(i)) {
        case Tape::Kind::Function: {
            Value &target = s.operandRead ? s.operand : s.accumulator;
            applyFunction(target, tape.cell(i, Tape::OperatorColumn), tape.cell(i, Tape::ParameterColumn));
            tape.setCell(i, Tape::ValueColumn, textOf(target));
            break;
        }
        case Tape::Kind::Cancel: break; // a struck-out line: its value was replaced
        case Tape::Kind::Total:
            applyPending(s);
            tape.setCell(i, Tape::ValueColumn, textOf(s.accumulator));
            s.operandRead = false;
            break;
        default: {
            applyPending(s);
            const Value operand = read(tape.cell(i, Tape::ValueColumn));
            s.operand.number = operand.number;
            s.operand.failed = s.operand.failed || operand.failed;
            s.op = Operators::named(tape.cell(i, Tape::OperatorColumn));
            s.pending = true;
            s.operandRead = true;
            break;
        }
        }
    }
}

} // namespace Recalculator
