#include "controls/BaseConversion.h"

namespace BaseConversion {
namespace {

int radixOf(Column column)
{
    switch (column) {
    case Column::Hexadecimal: return 16;
    case Column::Octal: return 8;
    case Column::Decimal: break;
    }
    return 10;
}

int digitValue(QChar character)
{
    const char16_t c = character.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

RowTexts failure()
{
    const QString marker = invalidEntryText();
    return {false, marker, marker, marker};
}

} // namespace

QString invalidEntryText() { return QStringLiteral("<Saisie non valide>"); }

bool acceptsCharacter(Column column, QChar character)
{
    const int digit = digitValue(character);
    return digit >= 0 && digit < radixOf(column);
}

bool acceptsText(Column column, QStringView text)
{
    for (const QChar character : text) {
        if (!acceptsCharacter(column, character))
            return false;
    }
    return true;
}

std::optional<qint32> parse(Column column, QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    const int radix = radixOf(column);
    qint64 value = 0;
    for (const QChar character : text) {
        const int digit = digitValue(character);
        if (digit < 0 || digit >= radix)
            return std::nullopt;
        // Checked at each digit, so an arbitrarily long text cannot overflow.
        value = value * radix + digit;
        if (value > MaximumValue)
            return std::nullopt;
    }
    return static_cast<qint32>(value);
}

QString format(Column column, qint32 value) { return QString::number(value, radixOf(column)).toUpper(); }

RowTexts convertRow(Column column, const QString &text)
{
    RowTexts row;
    row.ok = true;
    if (text.isEmpty())
        return row;
    const std::optional<qint32> value = parse(column, text);
    if (!value)
        return failure();
    row.hexadecimal = format(Column::Hexadecimal, *value);
    row.octal = format(Column::Octal, *value);
    row.decimal = format(Column::Decimal, *value);
    switch (column) {
    case Column::Hexadecimal: row.hexadecimal = text; break;
    case Column::Octal: row.octal = text; break;
    case Column::Decimal: row.decimal = text; break;
    }
    return row;
}

} // namespace BaseConversion
