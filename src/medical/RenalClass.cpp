#include "medical/RenalClass.h"

#include "medical/MedNumber.h"

#include <cmath>

namespace RenalClass {

QString text(double shownValue)
{
    // Every bound is a whole number: comparing the whole part is enough.
    const double whole = std::floor(shownValue);
    if (whole >= 80)
        return QStringLiteral("(Fonction rénale normale: 80 à 125)");
    if (whole >= 60)
        return QStringLiteral("(Insuffisance rénale légère: 60 à 80)");
    if (whole >= 30)
        return QStringLiteral("(Insuffisance rénale modérée: 30 à 60)");
    if (whole >= 15)
        return QStringLiteral("(Insuffisance rénale sévère: 15 à 30)");
    if (whole >= 10)
        return QStringLiteral("(Insuffisance rénale très sévère)");
    return QStringLiteral("(Insuffisance rénale extrèmement sévère)");
}

FormOutcome clearanceOutcome(double man, double woman)
{
    const double manShown = MedNumber::roundHalfEven(man, 1);
    const double womanShown = MedNumber::roundHalfEven(woman, 1);
    // Extreme entries (huge or tiny numbers) can overflow the formula.
    if (!std::isfinite(manShown) || !std::isfinite(womanShown))
        return FormOutcome::refusal(QStringLiteral("Ces valeurs ne permettent pas de calculer la clairance."), -1);
    FormOutcome outcome;
    outcome.results = {MedNumber::format(manShown, 1), MedNumber::format(womanShown, 1), text(manShown),
                       text(womanShown)};
    return outcome;
}

} // namespace RenalClass
