#pragma once

#include <QString>
#include <string>

// Rounding and cutting of a double at a number of decimals, done on its
// 15-significant-digit decimal form (the value as the display shows it).
// Working on the decimal digits rather than on x * 10^n keeps decimal ties
// as ties: 2,675 to 2 decimals is a tie and rounds to 2,68, and 516,39 cut
// to 2 decimals stays 516,39.
class DecimalText
{
public:
    explicit DecimalText(double x);

    // Ties go to the even neighbour.
    double roundedHalfEven(int decimals) const;
    // Ties go away from zero (the "0.##" pattern of the currency keys).
    double roundedHalfAwayFromZero(int decimals) const;
    // The decimals beyond the n-th are dropped.
    double cut(int decimals) const;
    // The digits after the decimal point, as a positive number below 1.
    double fractionalPart() const;
    // Plain positional form with "." as separator (no exponent).
    QString plain() const;

private:
    enum class Tie { ToEven, AwayFromZero };
    double rounded(int decimals, Tie tie) const;
    double value(const std::string &whole, const std::string &fraction) const;

    bool m_negative = false;
    std::string m_whole; // digits before the point, at least "0"
    std::string m_fraction; // digits after the point, no trailing zeros
};
