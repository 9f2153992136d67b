#include "calc/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

QString NumberToText(double x)
{
    if (x == 0 || !std::isfinite(x))
        return QStringLiteral("0");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

namespace {

// Far beyond the exponent of any double, and far from the limits of the
// type, so that adding a mantissa's length to it can never overflow.
constexpr long long ExponentLimit = 1'000'000'000;

// The exponent after "e" or "E", saturated at ExponentLimit: a text may
// carry any number of exponent digits.
long long exponentOf(const std::string &text, std::size_t pos)
{
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long long exponent = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        exponent = std::min(ExponentLimit, exponent * 10 + (text[pos] - '0'));
    return negative ? -exponent : exponent;
}

// Decimal exponent of the first significant digit of a well-formed number
// text (with "." as separator); used to tell an underflow from an overflow.
long long magnitudeOf(const std::string &text)
{
    const std::size_t ePos = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, ePos);
    const long long exponent = ePos == std::string::npos ? 0 : exponentOf(text, ePos + 1);
    const std::size_t point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const std::size_t firstWhole = whole.find_first_not_of("-+0");
    if (firstWhole != std::string::npos)
        return static_cast<long long>(whole.size() - firstWhole) - 1 + exponent;
    if (point == std::string::npos)
        return exponent;
    const std::size_t firstFraction = mantissa.find_first_not_of('0', point + 1);
    if (firstFraction == std::string::npos)
        return exponent;
    return -static_cast<long long>(firstFraction - point) + exponent;
}

bool isNumberSyntax(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    if (i < n && text[i] == QLatin1Char('-'))
        ++i;
    int digits = 0;
    bool comma = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (c == QLatin1Char(',') && !comma)
            comma = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i == n)
        return true;
    if (text[i] != QLatin1Char('E') && text[i] != QLatin1Char('e'))
        return false;
    ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const int exponentStart = i;
    while (i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9')
        ++i;
    return i == n && i > exponentStart;
}

} // namespace

std::optional<double> TextToNumber(const QString &text)
{
    if (!isNumberSyntax(text))
        return std::nullopt;
    std::string plain = text.toStdString();
    for (char &c : plain)
        if (c == ',')
            c = '.';
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitudeOf(plain) < 0)
            return plain.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

double LeadingNumber(const QString &text)
{
    std::string s = text.trimmed().toStdString();
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool point = false;
    std::size_t digits = 0;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            number += s[i];
            ++digits;
        } else if (s[i] == '.' && !point) {
            number += s[i];
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t exponentDigits = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            exponent += s[j++];
        if (j > exponentDigits)
            number += exponent;
    }
    const char *begin = number.c_str() + (number.front() == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(begin, number.c_str() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return magnitudeOf(number) < 0 ? 0.0 : (number.front() == '-' ? -HUGE_VAL : HUGE_VAL);
    return value;
}
