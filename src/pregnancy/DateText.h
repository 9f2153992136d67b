#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates as the user types and reads them: French order (day, month, year).
namespace DateText {

// Two-digit (or one-digit) years fall into 1930..2029: 0..29 are read as
// 2000..2029, 30..99 as 1930..1999.
inline constexpr int kTwoDigitYearPivot = 30;

// First and last day the program handles.
QDate firstDate();
QDate lastDate();
bool inRange(const QDate &date);

// Reads a typed date: day, month, year, separated by "/", "-", "." or
// spaces; one or two digits for day and month; one, two or four digits for
// the year. Anything else, or a day that does not exist, gives no date.
std::optional<QDate> parse(const QString &text);

// The short form dd/mm/yyyy (01/02/2009).
QString shortForm(const QDate &date);

// "ddd d mmm yyyy": abbreviated French day name, day without leading zero,
// abbreviated French month name, four-digit year ("mer. 22 avr. 2009").
QString longPattern(const QDate &date);

// "dd mmm yyyy": two-digit day, abbreviated French month name, year
// ("19 févr. 2009").
QString dayMonthYear(const QDate &date);

// Calendar arithmetic that refuses to leave the handled range. Months keep
// the day number, clamped to the end of a shorter month.
std::optional<QDate> addDays(const QDate &date, qint64 days);
std::optional<QDate> addMonths(const QDate &date, int months);

} // namespace DateText
