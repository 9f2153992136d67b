#pragma once

#include <QString>
#include <optional>

// The one pair of conversions between doubles and the texts of the display
// and the tape: at most 15 significant digits, decimal comma, no thousands
// separator, exponent form (1E+15, 1E-05) only for extreme magnitudes.
QString NumberToText(double x);

// Reads an optional "-", digits, at most one comma (a trailing one too) and
// an optional exponent. Nothing is returned for a text that is not such a
// number or whose value lies beyond the range of a double; a value too small
// for a double reads as zero.
std::optional<double> TextToNumber(const QString &text);

// Reads the longest leading number of a text the way the input box answers
// are read: leading blanks skipped, optional sign, digits, at most one "."
// and an optional exponent; stops at the first other character ("2,5" gives
// 2, "abc" gives 0).
double LeadingNumber(const QString &text);
