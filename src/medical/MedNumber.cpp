#include "medical/MedNumber.h"

#include "calc/FrenchNumber.h"

#include <cmath>

namespace MedNumber {

namespace {
// Beyond this magnitude a fixed-point text would run to hundreds of digits.
constexpr double FixedPointLimit = 1e15;
} // namespace

std::optional<double> read(const QString &text) { return FrenchNumber::read(text); }

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // A value too large to scale has no decimals left to round.
    if (!std::isfinite(scaled))
        return value;
    // The default floating-point rounding mode sends ties to the even neighbour.
    return std::nearbyint(scaled) / scale;
}

QString format(double value, int decimals)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    QString text;
    if (std::fabs(value) >= FixedPointLimit) {
        text = QString::number(value, 'g', 15);
    } else {
        text = QString::number(value, 'f', decimals);
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
        if (text == QLatin1String("-0"))
            text = QStringLiteral("0");
    }
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString show(double value, int decimals) { return format(roundHalfEven(value, decimals), decimals); }

} // namespace MedNumber
