#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The seven binary operators, in the keypad's order (imaOpérateur 0-6).
enum class Operator { Add, Subtract, Multiply, Divide, Modulo, Power, LogBase };

// The operators' symbols and their arithmetic.
namespace Operators {

// "+", "-", "x", "/", "Mod", "x^y", "Log n": what the keys, the tape and
// its files show.
QString symbol(Operator op);
const QStringList &symbols();
// The operator a tape line's symbol names; nothing for an empty or unknown one.
std::optional<Operator> named(const QString &symbol);

struct Outcome
{
    bool accepted = true;
    double value = 0; // the result; the unchanged first operand when refused
    QString message; // why it was refused; empty when accepted
};

// Applies the operator; without one the first operand stays unchanged,
// without a message. Results beyond the range of a double are refused, so
// "inf" and "nan" never reach a window or the tape.
Outcome evaluate(double accumulator, double operand, std::optional<Operator> op);

// The refusal messages.
QString divisionByZeroMessage();
QString overflowMessage();

} // namespace Operators
