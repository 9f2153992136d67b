#pragma once

#include <QDate>
#include <QString>

// The time between two dates in years, months and days, counted the way the
// date calculator does it: from the earlier date, whole years are added one
// at a time while the running date stays on or before the later date, then
// whole months, then days. Each step applies calendar arithmetic to the
// running date, so clamping accumulates: from 31 January, two month steps give
// 28 February then 28 March, not 31 March.
struct DateInterval
{
    qint64 years = 0;
    qint64 months = 0;
    qint64 days = 0;
    qint64 totalMonths = 0; // years * 12 + months
    qint64 totalDays = 0; // later date minus earlier date

    // Three lines joined by CR LF:
    // "1 année(s) 2 mois et 5 jour(s)", "soit 14 mois et 5 jour(s)", "soit 431 jour(s)".
    QString text() const;
};

// The order of the two dates does not matter. A step that would leave
// 1 January 100 .. 31 December 9999 simply ends its unit's count.
DateInterval computeInterval(const QDate &a, const QDate &b);
