#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The date lying a number of years, months and days after (or before) a
// start date. The three texts are read locale-independently from their start
// (LeadingNumber); a fractional count is rounded to the
// nearest whole unit, halves to the even one. The date is moved by the years,
// then the months, then the days, each by calendar arithmetic, so clamping to
// a shorter month happens at the step where it occurs: 31 January 2011 + 1
// month + 1 day gives 28 February, then 1 March 2011.
// Returns nothing when any step leaves 1 January 100 .. 31 December 9999.
std::optional<QDate> computeTargetDate(const QDate &start, bool add, const QString &years, const QString &months,
                                       const QString &days);
