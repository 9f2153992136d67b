#pragma once

#include <QDate>

#include <optional>

enum class DateUnit { Day, Month, Year };

// Date moves of the calendars and of the date calculator. Dates live between
// 1 January 100 and 31 December 9999; QDate itself goes on beyond both ends,
// so every move is checked here and refused when it would leave the range.
namespace CalendarArithmetic {

QDate firstDate();
QDate lastDate();
bool inRange(const QDate &date);

// Moves by n units. Months and years keep the day of the month, clamped to
// the last day of a shorter target month (31 January + 1 month = 28 or 29
// February). Returns nothing when the result (or the start) is out of range.
std::optional<QDate> move(const QDate &from, DateUnit unit, qint64 n);

// Number of days of a month, for a year inside the range.
int daysInMonth(int year, int month);

} // namespace CalendarArithmetic
