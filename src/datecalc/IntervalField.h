#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// The rules of the three interval fields (years, months, days) of the date
// calculator, without the text fields themselves.
namespace IntervalField {

// The number at the start of the text, read the same way whatever the
// locale: optional blanks and sign, digits, "." as the only decimal point,
// an optional exponent; reading stops at the first other character, and a
// text without digits reads as 0.
double readLeadingNumber(QStringView text);

struct Update
{
    QString text; // what the field shows afterwards
    QString lastValid; // the field's new last valid text
    bool accepted; // false when the typed text was refused and replaced
};

// A change of the field's text: an empty text becomes "0"; a number as the
// locale writes it is kept as the last valid text and replaced by the value
// read from its start, written back in the locale's format (so "1,5" becomes
// "1" where the comma is the decimal separator); anything else returns to the
// last valid text. The written-back text is itself a change and goes through
// the same rules until it no longer changes.
Update apply(const QString &text, const QString &lastValid, const QLocale &locale);

} // namespace IntervalField
