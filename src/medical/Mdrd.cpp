#include "medical/Mdrd.h"

#include "medical/Creatinine.h"
#include "medical/MedNumber.h"
#include "medical/Plausibility.h"
#include "medical/RenalClass.h"

#include <cmath>

namespace Mdrd {

namespace {
constexpr double BaseCoefficient = 186.9;
constexpr double MilligramPerLitreDivisor = 10;
constexpr double MicromolePerLitreDivisor = 88.4;
constexpr double CreatinineExponent = -1.154;
constexpr double AgeExponent = -0.203;
constexpr double AfricanOriginFactor = 1.21;
constexpr double WomanFactor = 0.742;
} // namespace

double manRate(double age, double creatinine, CreatinineUnit unit, bool africanOrigin)
{
    const double divisor =
        unit == CreatinineUnit::MilligramPerLitre ? MilligramPerLitreDivisor : MicromolePerLitreDivisor;
    const double origin = africanOrigin ? AfricanOriginFactor : 1.0;
    const double milligramPerDecilitre = creatinine / divisor;
    double rate = std::pow(milligramPerDecilitre, CreatinineExponent);
    rate = rate * BaseCoefficient;
    rate = rate * std::pow(age, AgeExponent);
    return rate * origin;
}

double womanRate(double manRate) { return manRate * WomanFactor; }

FormOutcome evaluate(const QString &ageText, const QString &creatinineText, CreatinineUnit unit, bool africanOrigin)
{
    const std::optional<double> age = MedNumber::read(ageText);
    if (!age)
        return FormOutcome::refusal(QStringLiteral("Renseignez l'âge."), AgeField);
    const std::optional<double> creatinine = MedNumber::read(creatinineText);
    if (auto refused = Creatinine::refusal(creatinine, CreatinineField, false))
        return *refused;
    // The powers are undefined for these: refuse rather than show a meaningless rate.
    if (*age <= 0)
        return FormOutcome::refusal(QStringLiteral("L'âge doit être supérieur à zéro."), AgeField);
    if (auto refused = Creatinine::refusal(creatinine, CreatinineField, true))
        return *refused;

    const double man = manRate(*age, *creatinine, unit, africanOrigin);
    FormOutcome outcome = RenalClass::clearanceOutcome(man, womanRate(man));
    if (outcome.ok())
        outcome.warning = Plausibility::age(*age);
    return outcome;
}

} // namespace Mdrd
