#include "medical/Friedewald.h"

#include "medical/MedNumber.h"
#include "medical/Plausibility.h"

#include <cfloat>
#include <cmath>

namespace Friedewald {

namespace {
constexpr double CholesterolFactor = 0.387;
constexpr double TriglycerideFactor = 0.875;
constexpr float TriglycerideLimit = 5;
constexpr float TriglycerideDivisor = 5;
constexpr double ResultFactor = 2.58;
// Above it (in g/l) the formula still computes but misjudges the LDL.
constexpr float UnreliableTriglycerides = 3.4f;

struct Lipids
{
    float total;
    float triglycerides;
    float hdl;
};

// The products are computed in double and stored back in single precision.
float toGramPerLitre(float value, double factor) { return static_cast<float>(static_cast<double>(value) * factor); }

struct FieldRule
{
    const char16_t *missing;
    Field field;
};

Lipids inGramPerLitre(float total, float triglycerides, float hdl, Unit unit)
{
    Lipids lipids{std::fabs(total), std::fabs(triglycerides), std::fabs(hdl)};
    if (unit == Unit::MillimolePerLitre) {
        lipids.total = toGramPerLitre(lipids.total, CholesterolFactor);
        lipids.triglycerides = toGramPerLitre(lipids.triglycerides, TriglycerideFactor);
        lipids.hdl = toGramPerLitre(lipids.hdl, CholesterolFactor);
    }
    return lipids;
}

QStringList shownTexts(float gramPerLitre)
{
    const float shown = shownGramPerLitre(gramPerLitre);
    return {MedNumber::format(shown, 2), MedNumber::format(shownMillimolePerLitre(shown), 2)};
}
} // namespace

std::optional<float> ldl(float total, float triglycerides, float hdl, Unit unit)
{
    const Lipids lipids = inGramPerLitre(total, triglycerides, hdl, unit);
    if (lipids.triglycerides > TriglycerideLimit)
        return std::nullopt;
    const float result = lipids.total - (lipids.triglycerides / TriglycerideDivisor + lipids.hdl);
    return result;
}

float nonHdl(float total, float hdl, Unit unit)
{
    const Lipids lipids = inGramPerLitre(total, 0, hdl, unit);
    const float result = lipids.total - lipids.hdl;
    return result;
}

float shownGramPerLitre(float ldl) { return static_cast<float>(MedNumber::roundHalfEven(static_cast<double>(ldl), 2)); }

double shownMillimolePerLitre(float shownGramPerLitre)
{
    return MedNumber::roundHalfEven(static_cast<double>(shownGramPerLitre) * ResultFactor, 2);
}

FormOutcome evaluate(const QString &totalText, const QString &triglyceridesText, const QString &hdlText, Unit unit)
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

    QStringList warnings{Plausibility::hdlAboveTotal(std::fabs(values[2]), std::fabs(values[0]), unit)};
    // The non-HDL cholesterol does not need the triglycerides: it stays when the LDL is refused.
    const QStringList nonHdlTexts = shownTexts(nonHdl(values[0], values[2], unit));
    const std::optional<float> result = ldl(values[0], values[1], values[2], unit);
    if (!result) {
        FormOutcome outcome =
            FormOutcome::refusal(QStringLiteral("Triglycérides supérieurs à 5 g/l.\r\nCalcul du LDL impossible."), -1);
        outcome.clearResults = true;
        outcome.results = QStringList{QString(), QString()} + nonHdlTexts;
        outcome.warning = Plausibility::join(warnings);
        return outcome;
    }
    if (inGramPerLitre(0, values[1], 0, unit).triglycerides > UnreliableTriglycerides)
        warnings << QStringLiteral("Formule de Friedewald peu fiable au-delà de 3,4 g/l de triglycérides : "
                                   "préférez un dosage direct du LDL.");
    FormOutcome outcome;
    outcome.results = shownTexts(*result) + nonHdlTexts;
    warnings << Plausibility::negativeResult(shownGramPerLitre(*result), QStringLiteral("LDL-cholestérol négatif"),
                                             QStringLiteral("g/l"));
    outcome.warning = Plausibility::join(warnings);
    return outcome;
}

} // namespace Friedewald
