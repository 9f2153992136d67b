#include "calc/FrenchNumber.h"

#include "calc/NumberText.h"

#include <cmath>

namespace FrenchNumber {

namespace {

// QLocale ignores the blanks around the number itself.
std::optional<double> readIn(QLocale locale, const QString &text, bool thousandsSeparator)
{
    QLocale::NumberOptions numberOptions = locale.numberOptions();
    numberOptions.setFlag(QLocale::RejectGroupSeparator, !thousandsSeparator);
    locale.setNumberOptions(numberOptions);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> read(const QString &text, const Options &options)
{
    std::optional<double> value;
    if (options.calculatorForm)
        value = TextToNumber(text.trimmed());
    if (!value)
        value = readIn(options.locale, text, options.thousandsSeparator);
    if (!value && options.fullStop)
        value = readIn(QLocale::c(), text, options.thousandsSeparator);
    if (value && !options.nonFinite && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace FrenchNumber
