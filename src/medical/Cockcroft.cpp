#include "medical/Cockcroft.h"

#include "medical/Creatinine.h"
#include "medical/MedNumber.h"
#include "medical/Plausibility.h"
#include "medical/RenalClass.h"

#include <cmath>

namespace Cockcroft {

namespace {
constexpr double MilligramToMicromole = 8.8;
constexpr double WomanFactor = 0.85;
} // namespace

double manClearance(double age, double weight, double creatinine, CreatinineUnit unit)
{
    const double k = unit == CreatinineUnit::MilligramPerLitre ? MilligramToMicromole : 1.0;
    const double numerator = (140 - age) * weight;
    const double denominator = (k * creatinine) * 0.8;
    return numerator / denominator;
}

double womanClearance(double manClearance) { return manClearance * WomanFactor; }

FormOutcome evaluate(const QString &ageText, const QString &weightText, const QString &creatinineText,
                     CreatinineUnit unit)
{
    const std::optional<double> age = MedNumber::read(ageText);
    if (!age)
        return FormOutcome::refusal(QStringLiteral("Renseignez l'âge."), AgeField);
    const std::optional<double> weight = MedNumber::read(weightText);
    if (!weight)
        return FormOutcome::refusal(QStringLiteral("Renseignez le poids."), WeightField);
    const std::optional<double> creatinine = MedNumber::read(creatinineText);
    // A negative value is computed as typed; the warning line points it out.
    if (auto refused = Creatinine::refusal(creatinine, CreatinineField, false))
        return *refused;

    const double man = manClearance(*age, *weight, *creatinine, unit);
    const double woman = womanClearance(man);
    FormOutcome outcome = RenalClass::clearanceOutcome(man, woman);
    if (outcome.ok()) {
        outcome.warning = Plausibility::join(
            {Plausibility::age(*age), Plausibility::weight(*weight), Plausibility::creatinine(*creatinine, unit),
             Plausibility::negativeResult(MedNumber::roundHalfEven(man, 1), QStringLiteral("clairance négative"),
                                          QStringLiteral("ml/min"))});
    }
    return outcome;
}

} // namespace Cockcroft
