#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reading a number typed, pasted or answered as a whole text, the French way
// (decimal comma, blanks around the number ignored). Every place that reads
// such a text reads it here; the options say how each one departs from the
// plain French form.
namespace FrenchNumber {

struct Options
{
    // The locale's thousands separators are accepted ("1 234,5" in French).
    bool thousandsSeparator = false;
    // The number may also be written with a full stop as the decimal point,
    // as the C locale writes it (where a comma then separates thousands when
    // thousandsSeparator is set).
    bool fullStop = false;
    // The calculator's own form (TextToNumber) is tried first, so that a
    // value too small for a double reads as 0 where the locale refuses it.
    bool calculatorForm = false;
    // "inf", "nan" and values beyond a double count as numbers too.
    bool nonFinite = false;
    // The locale whose form is read: French unless the caller follows the
    // user's own locale.
    QLocale locale = QLocale(QLocale::French, QLocale::France);
};

// The value of the text, or nothing when it is not a number under the options.
std::optional<double> read(const QString &text, const Options &options = {});

} // namespace FrenchNumber
