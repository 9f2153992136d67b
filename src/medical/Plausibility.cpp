#include "medical/Plausibility.h"

#include "medical/MedNumber.h"

#include <cmath>

namespace Plausibility {

namespace {
constexpr double AdultAge = 18;
constexpr double OldestAge = 120;
constexpr double LightestWeight = 2;
constexpr double HeaviestWeight = 350;
constexpr double ShortestHeight = 0.40;
constexpr double TallestHeight = 2.50;
// Above this many metres the height was surely typed in centimetres, and
// below this many centimetres surely in metres.
constexpr double MetresMistakenForCentimetres = 3;

const QString CheckEntry = QStringLiteral("Vérifiez la saisie.");

QString text(double value) { return MedNumber::format(value, 6); }

QString unusual(const QString &what, const QString &advice = CheckEntry)
{
    return QStringLiteral("Valeur inhabituelle : %1. %2").arg(what, advice);
}

bool within(double value, double low, double high) { return value >= low && value <= high; }
} // namespace

QString age(double years)
{
    if (within(years, AdultAge, OldestAge))
        return {};
    const QString unit = std::abs(years) < 2 ? QStringLiteral("an") : QStringLiteral("ans");
    return unusual(QStringLiteral("âge %1 %2").arg(text(years), unit));
}

QString weight(double kilograms)
{
    if (within(kilograms, LightestWeight, HeaviestWeight))
        return {};
    return unusual(QStringLiteral("poids %1 kg").arg(text(kilograms)));
}

QString heightInMetres(double metres)
{
    if (within(metres, ShortestHeight, TallestHeight))
        return {};
    const QString what = QStringLiteral("taille %1 m").arg(text(metres));
    if (metres > MetresMistakenForCentimetres)
        return unusual(what, QStringLiteral("La taille se saisit en mètres (ex. 1,75)."));
    return unusual(what);
}

QString heightInCentimetres(double centimetres)
{
    if (within(centimetres, ShortestHeight * 100, TallestHeight * 100))
        return {};
    const QString what = QStringLiteral("taille %1 cm").arg(text(centimetres));
    if (centimetres > 0 && centimetres < MetresMistakenForCentimetres)
        return unusual(what, QStringLiteral("La taille se saisit en centimètres (ex. 175)."));
    return unusual(what);
}

QString creatinine(double value, CreatinineUnit unit)
{
    if (value > 0)
        return {};
    const QString unitText =
        unit == CreatinineUnit::MilligramPerLitre ? QStringLiteral("mg/l") : QStringLiteral("µmol/l");
    return unusual(QStringLiteral("créatininémie %1 %2").arg(text(value), unitText));
}

QString hdlAboveTotal(double hdl, double total, LipidUnit unit)
{
    if (hdl < total)
        return {};
    const QString unitText = unit == LipidUnit::GramPerLitre ? QStringLiteral("g/l") : QStringLiteral("mmol/l");
    return unusual(QStringLiteral("HDL-cholestérol %1 %3, supérieur ou égal au cholestérol total %2 %3")
                       .arg(text(hdl), text(total), unitText));
}

QString negativeResult(double shown, const QString &what, const QString &unit)
{
    if (shown >= 0)
        return {};
    return QStringLiteral("Résultat impossible : %1 (%2 %3). %4").arg(what, text(shown), unit, CheckEntry);
}

QString join(const QStringList &warnings)
{
    QStringList kept;
    for (const QString &warning : warnings) {
        if (!warning.isEmpty())
            kept.append(warning);
    }
    return kept.join(QLatin1Char('\n'));
}

} // namespace Plausibility
