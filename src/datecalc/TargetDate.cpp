#include "datecalc/TargetDate.h"

#include "calc/NumberText.h"
#include "controls/CalendarArithmetic.h"

#include <cmath>

namespace {

// Counts are held in single precision, as the fields always were.
std::optional<qint64> wholeUnits(const QString &text, int sign)
{
    const float count = float(LeadingNumber(text) * sign);
    // Beyond this no step can stay inside the range anyway.
    if (!std::isfinite(count) || std::abs(count) > 1e8f)
        return std::nullopt;
    return qint64(std::nearbyint(double(count)));
}

} // namespace

std::optional<QDate> computeTargetDate(const QDate &start, bool add, const QString &years, const QString &months,
                                       const QString &days)
{
    const int sign = add ? 1 : -1;
    const struct
    {
        DateUnit unit;
        const QString &text;
    } steps[] = {{DateUnit::Year, years}, {DateUnit::Month, months}, {DateUnit::Day, days}};

    std::optional<QDate> date = CalendarArithmetic::inRange(start) ? std::optional<QDate>(start) : std::nullopt;
    for (const auto &step : steps) {
        if (!date)
            break;
        const std::optional<qint64> n = wholeUnits(step.text, sign);
        date = n ? CalendarArithmetic::move(*date, step.unit, *n) : std::nullopt;
    }
    return date;
}
