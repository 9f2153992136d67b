#include "medical/Bmi.h"

#include "medical/MedNumber.h"
#include "medical/Plausibility.h"

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
        return {u"Obésité sévère", Picture::SeverelyObese};
    if (r > 30)
        return {u"Obésité", Picture::Obese};
    if (r > 25)
        return {u"Surpoids", Picture::Overweight};
    if (r < 20)
        return {u"Maigreur", Picture::Thin};
    return {u"Poids normal", Picture::Normal};
}
} // namespace

double quotient(double weight, double height) { return weight / std::pow(height, 2); }

QString classText(double roundedIndex) { return QString::fromUtf16(classRow(roundedIndex).text); }

Picture picture(double roundedIndex) { return classRow(roundedIndex).picture; }

QString whoClassText(double oneDecimalIndex)
{
    if (oneDecimalIndex < 18.5)
        return QStringLiteral("insuffisance pondérale");
    if (oneDecimalIndex < 25)
        return QStringLiteral("corpulence normale");
    if (oneDecimalIndex < 30)
        return QStringLiteral("surpoids");
    if (oneDecimalIndex < 35)
        return QStringLiteral("obésité modérée (classe I)");
    if (oneDecimalIndex < 40)
        return QStringLiteral("obésité sévère (classe II)");
    return QStringLiteral("obésité morbide (classe III)");
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
    const double oneDecimal = MedNumber::roundHalfEven(value, 1);
    result.oneDecimalText = MedNumber::format(oneDecimal, 1);
    result.whoClassText = whoClassText(oneDecimal);
    result.warning = Plausibility::join({Plausibility::weight(*weight), Plausibility::heightInMetres(*height)});
    return result;
}

} // namespace Bmi
