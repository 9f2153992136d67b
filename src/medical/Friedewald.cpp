#include "medical/Friedewald.h"

#include "medical/MedNumber.h"

#include <cfloat>
#include <cmath>

namespace Friedewald {

namespace {
constexpr double CholesterolFactor = 0.387;
constexpr double TriglycerideFactor = 0.875;
constexpr float TriglycerideLimit = 5;
constexpr float TriglycerideDivisor = 5;
constexpr double ResultFactor = 2.58;

// The products are computed in double and stored back in single precision.
float toGramPerLitre(float value, double factor)
{
    return static_cast<float>(static_cast<double>(value) * factor);
}

struct FieldRule
{
    const char16_t *missing;
    Field field;
};
} // namespace

std::optional<float> ldl(float total, float triglycerides, float hdl, Unit unit)
{
    total = std::fabs(total);
    triglycerides = std::fabs(triglycerides);
    hdl = std::fabs(hdl);
    if (unit == Unit::MillimolePerLitre) {
        total = toGramPerLitre(total, CholesterolFactor);
        triglycerides = toGramPerLitre(triglycerides, TriglycerideFactor);
        hdl = toGramPerLitre(hdl, CholesterolFactor);
    }
    if (triglycerides > TriglycerideLimit)
        return std::nullopt;
    const float result = total - (triglycerides / TriglycerideDivisor + hdl);
    return result;
}

float shownGramPerLitre(float ldl)
{
    return static_cast<float>(MedNumber::roundHalfEven(static_cast<double>(ldl), 2));
}

double shownMillimolePerLitre(float shownGramPerLitre)
{
    return MedNumber::roundHalfEven(static_cast<double>(shownGramPerLitre) * ResultFactor, 2);
}

FormOutcome evaluate(const QString &totalText, const QString &triglyceridesText,
                     const QString &hdlText, Unit unit)
{
    const FieldRule rules[] = {
        {u"Renseignez le cholestérol total.", TotalField},
        {u"Renseignez les triglycérides.", TriglyceridesField},
        {u"Renseignez le HDL-Cholestérol.", HdlField},
    };
    const QString *texts[] = {&totalText, &triglyceridesText, &hdlText};
    float values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = MedNumber::read(*texts[i]);
        if (!value)
            return FormOutcome::refusal(QString::fromUtf16(rules[i].missing), rules[i].field);
        // Single precision cannot hold it: refuse instead of computing with infinity.
        if (std::fabs(*value) > FLT_MAX)
            return FormOutcome::refusal(QStringLiteral("Cette valeur est trop grande."), rules[i].field);
        values[i] = static_cast<float>(*value);
    }

    const std::optional<float> result = ldl(values[0], values[1], values[2], unit);
    if (!result) {
        FormOutcome outcome = FormOutcome::refusal(
            QStringLiteral("Triglycérides supérieurs à 5 g/l.\r\nCalcul du LDL impossible."), -1);
        outcome.clearResults = true;
        return outcome;
    }
    const float gramPerLitre = shownGramPerLitre(*result);
    FormOutcome outcome;
    outcome.results = {MedNumber::format(gramPerLitre, 2),
                       MedNumber::format(shownMillimolePerLitre(gramPerLitre), 2)};
    return outcome;
}

} // namespace Friedewald
