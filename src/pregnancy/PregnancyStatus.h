#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Where a pregnancy stands on a given day: not begun, conception, week of
// pregnancy with months and days since conception, term, or days past term.
namespace PregnancyStatus {

// Months and days counted from the start: `months` whole monthly
// anniversaries have passed, and `days` counts from the last anniversary on
// or before the day, that day itself included (the anniversary gives 1).
struct Elapsed
{
    int week = 0;
    int months = 0;
    int days = 0;
};

// The elapsed time for a day strictly between the start and the term.
// Anniversaries step one month at a time from the previous one, so a start on
// a month end stays clamped (31/01, 28/02, 28/03, ...).
Elapsed elapsed(const QDate &start, const QDate &day);

// The status text of `day` for a pregnancy started on `start`; empty when
// there is no valid start.
QString actualiseDatation(const std::optional<QDate> &start, const QDate &day);

// Completed weeks and days of amenorrhoea: "11 SA + 1 j" for 78 days.
QString weeksOfAmenorrhoea(qint64 days);

// The day in weeks of amenorrhoea counted from the last period `ddr`, shown
// only while the pregnancy started on `start` is under way: empty before the
// start or the last period, from the term on, and without either date.
QString amenorrhoea(const std::optional<QDate> &ddr, const std::optional<QDate> &start, const QDate &day);

} // namespace PregnancyStatus
