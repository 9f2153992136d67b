#include "medical/RenalClass.h"

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

} // namespace RenalClass
