#include "datecalc/IntervalField.h"

#include <cmath>

namespace IntervalField {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

qsizetype skipDigits(QStringView text, qsizetype pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

QString writeNumber(double value, const QLocale &locale)
{
    if (value == 0.0)
        return QStringLiteral("0"); // no "-0"
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        return writer.toString(qint64(value));
    return writer.toString(value, 'g', 15);
}

bool isLocaleNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value);
}

} // namespace

double readLeadingNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    const qsizetype start = pos;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
        ++pos;
    const qsizetype intEnd = skipDigits(text, pos);
    qsizetype end = intEnd;
    bool digits = intEnd > pos;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        const qsizetype fracEnd = skipDigits(text, end + 1);
        digits = digits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!digits)
        return 0.0;
    if (end < text.size() && (text[end] == QLatin1Char('e') || text[end] == QLatin1Char('E'))) {
        qsizetype expPos = end + 1;
        if (expPos < text.size() && (text[expPos] == QLatin1Char('+') || text[expPos] == QLatin1Char('-')))
            ++expPos;
        const qsizetype expEnd = skipDigits(text, expPos);
        if (expEnd > expPos)
            end = expEnd;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text.mid(start, end - start), &ok);
    if (ok && std::isfinite(value))
        return value;
    // Only an exponent too large for a double gets here.
    return text[start] == QLatin1Char('-') ? -HUGE_VAL : HUGE_VAL;
}

Update apply(const QString &text, const QString &lastValid, const QLocale &locale)
{
    Update update{text, lastValid, true};
    // Each pass is one change of the field; the text settles within a few.
    for (int pass = 0; pass < 8; ++pass) {
        if (update.text.isEmpty()) {
            update.text = QStringLiteral("0");
            continue;
        }
        if (!isLocaleNumber(update.text, locale)) {
            update.accepted = false;
            update.text = update.lastValid;
            if (!isLocaleNumber(update.text, locale))
                update.text = QStringLiteral("0");
            continue;
        }
        update.lastValid = update.text;
        const double value = readLeadingNumber(update.text);
        const QString written = std::isfinite(value) ? writeNumber(value, locale) : QStringLiteral("0");
        if (written == update.text)
            break;
        update.text = written;
    }
    return update;
}

} // namespace IntervalField
