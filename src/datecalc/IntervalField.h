#pragma once

#include <QLocale>
#include <QString>

// The rules of the three interval fields (years, months, days) of the date
// calculator, without the text fields themselves.
namespace IntervalField {

struct Update
{
    QString text; // what the field shows afterwards
    QString lastValid; // the field's new last valid text
    bool accepted; // false when the typed text was refused and replaced
};

// A change of the field's text: an empty text becomes "0"; a number as the
// locale writes it is kept as the last valid text and replaced by the value
// read from its start the same way whatever the locale (LeadingNumber), written back in the locale's format (so "1,5"
// becomes "1" where the comma is the decimal separator); anything else returns to the last valid text. The written-back
// text is itself a change and goes through the same rules until it no longer changes.
Update apply(const QString &text, const QString &lastValid, const QLocale &locale);

} // namespace IntervalField
