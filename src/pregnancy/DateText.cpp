#include "pregnancy/DateText.h"

#include <QLocale>
#include <QRegularExpression>

namespace DateText {

namespace {

const QLocale &french()
{
    static const QLocale locale(QLocale::French, QLocale::France);
    return locale;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString fourDigitYear(int year) { return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')); }

int fullYear(const QString &digits)
{
    const int year = digits.toInt();
    if (digits.size() == 4)
        return year;
    return year < kTwoDigitYearPivot ? 2000 + year : 1900 + year;
}

} // namespace

QDate firstDate() { return QDate(100, 1, 1); }

QDate lastDate() { return QDate(9999, 12, 31); }

bool inRange(const QDate &date) { return date.isValid() && date >= firstDate() && date <= lastDate(); }

std::optional<QDate> parse(const QString &text)
{
    // A separator is one of / - . (spaces around it allowed) or a run of spaces.
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,2})(?:\s*[/.\-]\s*|\s+)(\d{1,2})(?:\s*[/.\-]\s*|\s+)(\d{4}|\d{1,2})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(fullYear(match.captured(3)), match.captured(2).toInt(), match.captured(1).toInt());
    if (!inRange(date))
        return std::nullopt;
    return date;
}

QString shortForm(const QDate &date)
{
    return twoDigits(date.day()) + QLatin1Char('/') + twoDigits(date.month()) + QLatin1Char('/')
        + fourDigitYear(date.year());
}

QString longPattern(const QDate &date)
{
    const QLocale &fr = french();
    return fr.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') + QString::number(date.day())
        + QLatin1Char(' ') + fr.monthName(date.month(), QLocale::ShortFormat) + QLatin1Char(' ')
        + fourDigitYear(date.year());
}

QString dayMonthYear(const QDate &date)
{
    return twoDigits(date.day()) + QLatin1Char(' ') + french().monthName(date.month(), QLocale::ShortFormat)
        + QLatin1Char(' ') + fourDigitYear(date.year());
}

std::optional<QDate> addDays(const QDate &date, qint64 days)
{
    if (!inRange(date))
        return std::nullopt;
    const QDate moved = date.addDays(days);
    if (!inRange(moved))
        return std::nullopt;
    return moved;
}

std::optional<QDate> addMonths(const QDate &date, int months)
{
    if (!inRange(date))
        return std::nullopt;
    const QDate moved = date.addMonths(months); // clamps the day to the month's end
    if (!inRange(moved))
        return std::nullopt;
    return moved;
}

} // namespace DateText
