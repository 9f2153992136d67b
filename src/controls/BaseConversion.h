#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Whole-number conversions between hexadecimal, octal and decimal texts, as the
// converter rows need them. Values are limited to 0 … 2147483647; any text whose
// value lies above that (whatever its base) is a failure, so a row never shows a
// number that one of its three columns could not hold.
namespace BaseConversion {

enum class Column { Hexadecimal = 0, Octal = 1, Decimal = 2 };

inline constexpr qint64 MaximumValue = 2147483647;

// Text shown in all three fields of a row whose conversion failed.
QString invalidEntryText();

// Characters a user may put into a field of that column (Backspace is handled as a key).
bool acceptsCharacter(Column column, QChar character);
bool acceptsText(Column column, QStringView text);

// nullopt for an empty text, a foreign character or a value above MaximumValue.
// Leading zeros are allowed; the hexadecimal digits may be of either case.
std::optional<qint32> parse(Column column, QStringView text);

// Upper-case hexadecimal digits, no leading zeros, no sign, no prefix.
QString format(Column column, qint32 value);

struct RowTexts
{
    bool ok = false;
    QString hexadecimal;
    QString octal;
    QString decimal;
};

// The three texts of a row after `text` was typed into `column`. An empty text
// empties the row. The typed text is kept as typed (lower-case hexadecimal stays).
// On failure ok is false and all three texts are the invalid-entry marker.
RowTexts convertRow(Column column, const QString &text);

} // namespace BaseConversion
