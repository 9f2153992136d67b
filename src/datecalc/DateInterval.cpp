#include "datecalc/DateInterval.h"

#include "controls/CalendarArithmetic.h"

#include <utility>

namespace {

// Whole units added one at a time to cur while it stays on or before end;
// cur is left at the last date reached. A step out of the range ends the
// count, so the loop is bounded by the range even for the widest interval.
qint64 countUnits(QDate &cur, const QDate &end, DateUnit unit)
{
    qint64 count = 0;
    for (;;) {
        const std::optional<QDate> next = CalendarArithmetic::move(cur, unit, 1);
        if (!next || *next > end)
            return count;
        cur = *next;
        ++count;
    }
}

} // namespace

QString DateInterval::text() const
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QString::number(years) + QStringLiteral(" année(s) ") + QString::number(months) + QStringLiteral(" mois et ")
        + QString::number(days) + QStringLiteral(" jour(s)") + lineBreak + QStringLiteral("soit ")
        + QString::number(totalMonths) + QStringLiteral(" mois et ") + QString::number(days)
        + QStringLiteral(" jour(s)") + lineBreak + QStringLiteral("soit ") + QString::number(totalDays)
        + QStringLiteral(" jour(s)");
}

DateInterval computeInterval(const QDate &a, const QDate &b)
{
    QDate start = a;
    QDate end = b;
    if (end < start)
        std::swap(start, end);

    DateInterval interval;
    if (!CalendarArithmetic::inRange(start) || !CalendarArithmetic::inRange(end))
        return interval;
    QDate cur = start;
    interval.years = countUnits(cur, end, DateUnit::Year);
    interval.months = countUnits(cur, end, DateUnit::Month);
    // Both dates are inside the range, so the days left are counted exactly.
    interval.days = cur.daysTo(end);
    interval.totalMonths = interval.years * 12 + interval.months;
    interval.totalDays = start.daysTo(end);
    return interval;
}
