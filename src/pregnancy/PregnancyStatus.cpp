#include "pregnancy/PregnancyStatus.h"

#include "pregnancy/DateText.h"

namespace PregnancyStatus {

Elapsed elapsed(const QDate &start, const QDate &day)
{
    Elapsed result;
    result.week = static_cast<int>(start.daysTo(day) / 7) + 1;

    // The last anniversary not after the day is kept as such: stepping back a
    // month from the first one after the day would land on a clamped day
    // (28/01 after 28/02 for a start on 31/01) and count days twice.
    int count = 0;
    QDate anniversary = start;
    QDate lastNotAfter = start;
    while (anniversary <= day) {
        ++count;
        lastNotAfter = anniversary;
        anniversary = anniversary.addMonths(1);
    }
    result.months = count - 1;
    result.days = static_cast<int>(lastNotAfter.daysTo(day)) + 1;
    return result;
}

QString actualiseDatation(const std::optional<QDate> &start, const QDate &day)
{
    if (!start || !DateText::inRange(*start) || !day.isValid())
        return {};
    if (day < *start)
        return QStringLiteral("Grossesse pas encore débutée !");
    if (day == *start)
        return QStringLiteral("Conception !");
    const std::optional<QDate> term = DateText::addMonths(*start, 9);
    if (!term)
        return {};
    if (day == *term)
        return QStringLiteral("A terme !");
    if (day > *term)
        return QStringLiteral("Terme dépassé de %1 jour(s)").arg(term->daysTo(day));
    const Elapsed e = elapsed(*start, day);
    return QStringLiteral("%1e SG     %2 mois %3 jour(s).").arg(e.week).arg(e.months).arg(e.days);
}

QString weeksOfAmenorrhoea(qint64 days) { return QStringLiteral("%1 SA + %2 j").arg(days / 7).arg(days % 7); }

QString amenorrhoea(const std::optional<QDate> &ddr, const std::optional<QDate> &start, const QDate &day)
{
    if (!ddr || !start || !DateText::inRange(*ddr) || !day.isValid() || day < *start || day < *ddr)
        return {};
    const std::optional<QDate> term = DateText::addMonths(*start, 9);
    if (!term || day >= *term)
        return {};
    return weeksOfAmenorrhoea(ddr->daysTo(day));
}

} // namespace PregnancyStatus
