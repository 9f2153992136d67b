#include "controls/CalendarArithmetic.h"

#include <algorithm>

namespace CalendarArithmetic {

namespace {
constexpr int FirstYear = 100;
constexpr int LastYear = 9999;

std::optional<QDate> moveDays(const QDate &from, qint64 n)
{
    // Any n this large leaves the range; bounding it keeps the sum exact.
    constexpr qint64 Span = 4'000'000;
    if (n < -Span || n > Span)
        return std::nullopt;
    const qint64 day = from.toJulianDay() + n;
    if (day < firstDate().toJulianDay() || day > lastDate().toJulianDay())
        return std::nullopt;
    return QDate::fromJulianDay(day);
}

std::optional<QDate> moveMonths(const QDate &from, qint64 months)
{
    constexpr qint64 Span = 200'000;
    if (months < -Span || months > Span)
        return std::nullopt;
    const qint64 index = qint64(from.year()) * 12 + (from.month() - 1) + months;
    if (index < qint64(FirstYear) * 12 || index > qint64(LastYear) * 12 + 11)
        return std::nullopt;
    const int year = int(index / 12);
    const int month = int(index % 12) + 1;
    const int day = std::min(from.day(), daysInMonth(year, month));
    return QDate(year, month, day);
}
} // namespace

QDate firstDate() { return QDate(FirstYear, 1, 1); }
QDate lastDate() { return QDate(LastYear, 12, 31); }

bool inRange(const QDate &date) { return date.isValid() && date >= firstDate() && date <= lastDate(); }

int daysInMonth(int year, int month) { return QDate(year, month, 1).daysInMonth(); }

std::optional<QDate> move(const QDate &from, DateUnit unit, qint64 n)
{
    if (!inRange(from))
        return std::nullopt;
    switch (unit) {
    case DateUnit::Day: return moveDays(from, n);
    case DateUnit::Month: return moveMonths(from, n);
    case DateUnit::Year:
        if (n < -20'000 || n > 20'000)
            return std::nullopt;
        return moveMonths(from, n * 12);
    }
    return std::nullopt;
}

} // namespace CalendarArithmetic
