#include "pregnancy/PregnancyDating.h"

#include "calc/FrenchNumber.h"
#include "pregnancy/DateText.h"

#include <QRegularExpression>

#include <cmath>

namespace PregnancyDating {

namespace {

// Robinson and Fleming (1975): gestational age in days from the crown-rump
// length in millimetres.
constexpr double kLccFactor = 8.052;
constexpr double kLccOffset = 23.73;
constexpr int kDaysFromPeriodToConception = 14;

Outcome refuse(Input input, const QString &message)
{
    Outcome outcome;
    outcome.input = input;
    outcome.message = message;
    return outcome;
}

std::optional<int> readCycle(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral(R"(^\s*(\d{1,3})\s*$)"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int cycle = match.captured(1).toInt();
    if (cycle < kMinCycle || cycle > kMaxCycle)
        return std::nullopt;
    return cycle;
}

std::optional<double> readLcc(const QString &text)
{
    const std::optional<double> lcc = FrenchNumber::read(text);
    if (!lcc || *lcc < kMinLcc || *lcc > kMaxLcc)
        return std::nullopt;
    return lcc;
}

QString outsideTheCalendar(const QString &what)
{
    return QStringLiteral("Avec cette %1, les dates de la grossesse sortent du calendrier (du %2 au %3).")
        .arg(what, DateText::shortForm(DateText::firstDate()), DateText::shortForm(DateText::lastDate()));
}

// The whole pregnancy must stay within the calendar: DDR, start and term.
std::optional<Dating> complete(const std::optional<QDate> &ddr, const std::optional<QDate> &ddg)
{
    if (!ddr || !ddg)
        return std::nullopt;
    const std::optional<QDate> term = DateText::addMonths(*ddg, 9);
    if (!term)
        return std::nullopt;
    return Dating{*ddr, *ddg, *term, std::nullopt};
}

Outcome fromLastPeriod(const Entry &entry)
{
    const std::optional<QDate> ddr = DateText::parse(entry.lastPeriod);
    if (!ddr)
        return refuse(Input::LastPeriod,
                      QStringLiteral("La date des dernières règles n'est pas une date valide (jj/mm/aaaa)."));
    const std::optional<int> cycle = readCycle(entry.cycle);
    if (!cycle)
        return refuse(Input::Cycle,
                      QStringLiteral("La durée du cycle doit être un nombre entier de jours, de %1 à %2.")
                          .arg(kMinCycle)
                          .arg(kMaxCycle));
    Outcome outcome;
    outcome.dating = complete(ddr, startFromLastPeriod(*ddr, *cycle));
    if (!outcome.dating)
        return refuse(Input::LastPeriod, outsideTheCalendar(QStringLiteral("date des dernières règles")));
    return outcome;
}

Outcome fromScan(const Entry &entry)
{
    const std::optional<QDate> scan = DateText::parse(entry.scanDate);
    if (!scan)
        return refuse(Input::ScanDate,
                      QStringLiteral("La date de l'échographie n'est pas une date valide (jj/mm/aaaa)."));
    const std::optional<double> lcc = readLcc(entry.lcc);
    if (!lcc)
        return refuse(Input::Lcc,
                      QStringLiteral("La longueur cranio-caudale (LCC) doit être un nombre de %1 à %2 mm.")
                          .arg(kMinLcc)
                          .arg(kMaxLcc));
    const int age = gestationalAge(*lcc);
    const std::optional<QDate> ddr = DateText::addDays(*scan, -age);
    Outcome outcome;
    outcome.dating = complete(ddr, ddr ? DateText::addDays(*ddr, kDaysFromPeriodToConception) : std::nullopt);
    if (!outcome.dating)
        return refuse(Input::ScanDate, outsideTheCalendar(QStringLiteral("date de l'échographie")));
    outcome.dating->gestationalAge = age;
    return outcome;
}

} // namespace

std::optional<QDate> startFromLastPeriod(const QDate &ddr, int cycle)
{
    return DateText::addDays(ddr, cycle - kDaysFromPeriodToConception);
}

int gestationalAge(double lccMm)
{
    return static_cast<int>(std::nearbyint(kLccFactor * std::sqrt(lccMm) + kLccOffset));
}

Outcome evaluate(const Entry &entry)
{
    return entry.method == Method::LastPeriod ? fromLastPeriod(entry) : fromScan(entry);
}

} // namespace PregnancyDating
