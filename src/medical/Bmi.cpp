#include "medical/Bmi.h"

#include "medical/MedNumber.h"

#include <cmath>

namespace Bmi {

namespace {
struct ClassRow
{
    const char16_t *text;
    Picture picture;
};

// Tested from the top class down so that each bound falls to the lower class.
ClassRow classRow(double r)
{
    if (r > 40)
        return {u"Obésité sévère", SeverelyObese};
    if (r > 30)
        return {u"Obésité", Obese};
    if (r > 25)
        return {u"Surpoids", Overweight};
    if (r < 20)
        return {u"Maigreur", Thin};
    return {u"Poids normal", Normal};
}
} // namespace

double quotient(double weight, double height)
{
    return weight / std::pow(height, 2);
}

QString classText(double roundedIndex)
{
    return QString::fromUtf16(classRow(roundedIndex).text);
}

int picture(double roundedIndex)
{
    return classRow(roundedIndex).picture;
}

std::optional<Result> evaluate(const QString &weightText, const QString &heightText)
{
    const std::optional<double> weight = MedNumber::read(weightText);
    if (!weight)
        return std::nullopt;
    const std::optional<double> height = MedNumber::read(heightText);
    if (!height || *height == 0)
        return std::nullopt;
    const double value = quotient(*weight, *height);
    // A height so small that the index overflows has no meaningful class.
    if (!std::isfinite(value))
        return std::nullopt;
    Result result;
    result.index = MedNumber::roundHalfEven(value, 0);
    result.indexText = MedNumber::format(result.index, 0);
    result.classText = classText(result.index);
    result.picture = picture(result.index);
    return result;
}

} // namespace Bmi
