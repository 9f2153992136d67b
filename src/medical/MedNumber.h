#pragma once

#include <QString>

#include <optional>

// Reading the numbers typed into the medical fields and writing the results:
// French rules (decimal comma), no thousands separator, no trailing zeros.
namespace MedNumber {

// The value of a field, or nothing when the text is empty, not a number, or
// not a finite number.
std::optional<double> read(const QString &text);

// Rounds to the given number of decimals; exact halves go to the even neighbour.
double roundHalfEven(double value, int decimals);

// The text of a value already rounded to at most `decimals` decimals.
QString format(double value, int decimals);

// Rounds, then formats: the way every result of the window is shown.
QString show(double value, int decimals);

} // namespace MedNumber
