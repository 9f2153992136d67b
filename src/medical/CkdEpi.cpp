#include "medical/CkdEpi.h"

#include "medical/Creatinine.h"
#include "medical/MedNumber.h"
#include "medical/Plausibility.h"

#include <algorithm>
#include <cmath>

namespace CkdEpi {

namespace {
constexpr double BaseCoefficient = 141;
constexpr double MilligramPerLitreDivisor = 10;
constexpr double MicromolePerLitreDivisor = 88.4;
constexpr double WomanKappa = 0.7;
constexpr double ManKappa = 0.9;
constexpr double WomanAlpha = -0.329;
constexpr double ManAlpha = -0.411;
constexpr double HighCreatinineExponent = -1.209;
constexpr double AgeBase = 0.993;
constexpr double WomanFactor = 1.018;
constexpr double ReferenceSurface = 1.73;
constexpr double MostellerDivisor = 3600;

struct StageRow
{
    double lowest;
    const char16_t *text;
};

// From the highest stage down: the first row whose lower bound the rate reaches.
constexpr StageRow Stages[] = {
    {90, u"Stade G1 : DFG normal ou élevé"},
    {60, u"Stade G2 : DFG légèrement diminué"},
    {45, u"Stade G3a : diminution légère à modérée"},
    {30, u"Stade G3b : diminution modérée à sévère"},
    {15, u"Stade G4 : diminution sévère"},
};

// Height and weight are optional: both, or no surface at all.
std::optional<double> surface(const QString &heightText, const QString &weightText, QStringList &warnings)
{
    const std::optional<double> height = MedNumber::read(heightText);
    const std::optional<double> weight = MedNumber::read(weightText);
    if (!height || !weight) {
        // One of them typed: the user wants the surface, say why there is none.
        if (!heightText.trimmed().isEmpty() || !weightText.trimmed().isEmpty())
            warnings << QStringLiteral(
                "Surface corporelle non calculée : renseignez la taille en cm et le poids en kg.");
        return std::nullopt;
    }
    warnings << Plausibility::heightInCentimetres(*height) << Plausibility::weight(*weight);
    const double area = bodySurfaceArea(*height, *weight);
    if (!std::isfinite(area))
        return std::nullopt;
    return area;
}
} // namespace

double rate(double age, double creatinine, CreatinineUnit unit, Sex sex)
{
    const double divisor =
        unit == CreatinineUnit::MilligramPerLitre ? MilligramPerLitreDivisor : MicromolePerLitreDivisor;
    const bool woman = sex == Sex::Female;
    const double ratio = creatinine / divisor / (woman ? WomanKappa : ManKappa);
    const double alpha = woman ? WomanAlpha : ManAlpha;
    double result = BaseCoefficient * std::pow(std::min(ratio, 1.0), alpha)
        * std::pow(std::max(ratio, 1.0), HighCreatinineExponent) * std::pow(AgeBase, age);
    if (woman)
        result *= WomanFactor;
    return result;
}

QString stage(double shownRate)
{
    for (const StageRow &row : Stages) {
        if (shownRate >= row.lowest)
            return QString::fromUtf16(row.text);
    }
    return QStringLiteral("Stade G5 : insuffisance rénale terminale");
}

double bodySurfaceArea(double heightCm, double weightKg) { return std::sqrt(heightCm * weightKg / MostellerDivisor); }

double nonIndexedRate(double rate, double bodySurfaceArea) { return rate * bodySurfaceArea / ReferenceSurface; }

FormOutcome evaluate(const QString &ageText, std::optional<Sex> sex, const QString &creatinineText, CreatinineUnit unit,
                     const QString &heightText, const QString &weightText)
{
    const std::optional<double> age = MedNumber::read(ageText);
    if (!age)
        return FormOutcome::refusal(QStringLiteral("Renseignez l'âge."), AgeField);
    if (!sex)
        return FormOutcome::refusal(QStringLiteral("Précisez le sexe."), SexField);
    const std::optional<double> creatinine = MedNumber::read(creatinineText);
    // The powers are undefined for a negative creatinine.
    if (auto refused = Creatinine::refusal(creatinine, CreatinineField, true))
        return *refused;

    const double estimate = rate(*age, *creatinine, unit, *sex);
    const double shown = MedNumber::roundHalfEven(estimate, 0);
    if (!std::isfinite(shown))
        return FormOutcome::refusal(QStringLiteral("Ces valeurs ne permettent pas de calculer le DFG."), -1);

    QStringList warnings{Plausibility::age(*age)};
    FormOutcome outcome;
    outcome.results = {MedNumber::format(shown, 0), stage(shown), QString(), QString()};
    if (const std::optional<double> area = surface(heightText, weightText, warnings)) {
        outcome.results[2] = MedNumber::show(*area, 2);
        outcome.results[3] = MedNumber::show(nonIndexedRate(estimate, *area), 1);
    }
    outcome.warning = Plausibility::join(warnings);
    return outcome;
}

} // namespace CkdEpi
