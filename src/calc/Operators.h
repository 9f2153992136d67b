#pragma once

#include <QString>
#include <QStringList>

// The seven binary operators and their arithmetic.
namespace Operators {

// "+", "-", "x", "/", "Mod", "x^y", "Log n" for 0-6; empty outside.
QString symbol(int op);
const QStringList &symbols();

struct Outcome
{
    bool accepted = true;
    double value = 0; // the result; the unchanged first operand when refused
    QString message; // why it was refused; empty when accepted
};

// Applies the operator named by its symbol. An empty or unknown symbol leaves
// the first operand unchanged without a message. Results beyond the range of
// a double are refused, so "inf" and "nan" never reach a window or the tape.
Outcome evaluate(double accumulator, double operand, const QString &symbol);

// The refusal messages.
QString divisionByZeroMessage();
QString overflowMessage();

} // namespace Operators
