#include "calc/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

DecimalText::DecimalText(double x)
{
    if (x == 0 || !std::isfinite(x)) {
        m_whole = "0";
        return;
    }
    m_negative = x < 0;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int exponent = std::atoi(text.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent < 0) {
        m_whole = "0";
        m_fraction = std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (std::size_t(exponent) + 1 >= digits.size()) {
        m_whole = digits + std::string(std::size_t(exponent) + 1 - digits.size(), '0');
    } else {
        m_whole = digits.substr(0, std::size_t(exponent) + 1);
        m_fraction = digits.substr(std::size_t(exponent) + 1);
    }
}

double DecimalText::value(const std::string &whole, const std::string &fraction) const
{
    const std::string text = whole + (fraction.empty() ? std::string() : "." + fraction);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return m_negative ? -v : v;
}

double DecimalText::rounded(int decimals, Tie tie) const
{
    if (decimals < 0)
        decimals = 0;
    const std::size_t n = std::size_t(decimals);
    if (m_fraction.size() <= n)
        return value(m_whole, m_fraction);
    std::string kept = m_whole + m_fraction.substr(0, n);
    const char next = m_fraction[n];
    const bool exactHalf = next == '5' && m_fraction.size() == n + 1;
    bool up = next > '5' || (next == '5' && !exactHalf);
    if (exactHalf)
        up = tie == Tie::AwayFromZero || (kept.back() - '0') % 2 == 1;
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    const std::size_t wholeLength = kept.size() - n;
    return value(kept.substr(0, wholeLength), kept.substr(wholeLength));
}

double DecimalText::roundedHalfEven(int decimals) const { return rounded(decimals, Tie::ToEven); }

double DecimalText::roundedHalfAwayFromZero(int decimals) const { return rounded(decimals, Tie::AwayFromZero); }

double DecimalText::cut(int decimals) const
{
    const std::size_t n = std::size_t(decimals < 0 ? 0 : decimals);
    return value(m_whole, m_fraction.substr(0, std::min(n, m_fraction.size())));
}

double DecimalText::fractionalPart() const
{
    const std::string text = "0." + (m_fraction.empty() ? std::string("0") : m_fraction);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

QString DecimalText::plain() const
{
    const std::string text = (m_negative ? "-" : "") + m_whole + (m_fraction.empty() ? "" : "." + m_fraction);
    return QString::fromStdString(text);
}
