#include "datecalc/IntervalField.h"

#include "calc/FrenchNumber.h"
#include "calc/NumberText.h"

#include <cmath>

namespace IntervalField {

namespace {

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
    const bool thousands = !locale.numberOptions().testFlag(QLocale::RejectGroupSeparator);
    return FrenchNumber::read(text, {.thousandsSeparator = thousands, .locale = locale}).has_value();
}

} // namespace

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
        const double value = LeadingNumber(update.text);
        const QString written = std::isfinite(value) ? writeNumber(value, locale) : QStringLiteral("0");
        if (written == update.text)
            break;
        update.text = written;
    }
    return update;
}

} // namespace IntervalField
