#include "medical/Creatinine.h"

namespace Creatinine {

std::optional<FormOutcome> refusal(const std::optional<double> &creatinine, int field, bool negativeRefused)
{
    if (!creatinine)
        return FormOutcome::refusal(QStringLiteral("Renseignez la créatininémie."), field);
    if (*creatinine == 0)
        return FormOutcome::refusal(QStringLiteral("La valeur de la créatininémie ne doit pas être nulle."), field);
    if (negativeRefused && *creatinine < 0)
        return FormOutcome::refusal(QStringLiteral("La valeur de la créatininémie ne doit pas être négative."), field);
    return std::nullopt;
}

} // namespace Creatinine
