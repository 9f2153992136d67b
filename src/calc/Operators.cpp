#include "calc/Operators.h"

#include "calc/DecimalText.h"
#include "calc/NumberText.h"

#include <cmath>
#include <limits>

namespace Operators {

namespace {

Outcome accepted(double value) { return {true, value, QString()}; }
Outcome refused(double accumulator, const QString &message) { return {false, accumulator, message}; }

Outcome checked(double accumulator, double value)
{
    if (!std::isfinite(value))
        return refused(accumulator, overflowMessage());
    return accepted(value);
}

// Number of decimals a subtraction keeps for an operand: the decimals of
// its value as the display writes it, counted in plain positional form so
// that 1E-05 has 5 and 1,5E-07 has 8; a whole number counts the length of
// its text. The rounding then only ever removes binary noise.
int decimalCount(double x)
{
    const QString plain = DecimalText(x).plain();
    const int point = int(plain.indexOf(QLatin1Char('.')));
    return point < 0 ? int(NumberToText(x).size()) : int(plain.size()) - point - 1;
}

Outcome subtract(double a, double o)
{
    const double difference = a - o;
    if (!std::isfinite(difference))
        return refused(a, overflowMessage());
    const int decimals = std::max(decimalCount(a), decimalCount(o));
    return accepted(DecimalText(difference).roundedHalfEven(decimals));
}

bool fitsInt32(double rounded)
{
    return rounded >= double(std::numeric_limits<qint32>::min())
        && rounded <= double(std::numeric_limits<qint32>::max());
}

Outcome remainder(double a, double o)
{
    const double divisor = std::nearbyint(o);
    if (divisor == 0)
        return refused(a, divisionByZeroMessage());
    const double dividend = std::nearbyint(a);
    if (!fitsInt32(divisor) || !fitsInt32(dividend))
        return refused(a,
                       QStringLiteral("Erreur: le reste ne se calcule que sur des nombres "
                                      "entiers de -2147483648 à 2147483647."));
    const qint64 d = qint64(dividend), q = qint64(divisor);
    return accepted(double(d % q));
}

Outcome power(double a, double o)
{
    if (a < 0 && o - std::trunc(o) != 0)
        return refused(a,
                       QStringLiteral("Erreur: l'exposant doit être entier si le nombre à "
                                      "élever est négatif."));
    if (a == 0 && o < 0)
        return refused(a,
                       QStringLiteral("Erreur: zéro ne peut pas être élevé à une puissance "
                                      "négative."));
    return checked(a, std::pow(a, o));
}

Outcome logarithm(double a, double o)
{
    if (a <= 0 || o <= 0)
        return refused(a, QStringLiteral("Erreur: nombres négatifs ou nuls interdits."));
    const double base = std::log(o);
    if (base == 0)
        return refused(a, QStringLiteral("Erreur: Log(n) doit être différent de 0."));
    return checked(a, std::log(a) / base);
}

} // namespace

const QStringList &symbols()
{
    static const QStringList list{QStringLiteral("+"),    QStringLiteral("-"),   QStringLiteral("x"),
                                  QStringLiteral("/"),    QStringLiteral("Mod"), QStringLiteral("x^y"),
                                  QStringLiteral("Log n")};
    return list;
}

QString symbol(Operator op) { return symbols().at(qsizetype(op)); }

std::optional<Operator> named(const QString &symbol)
{
    const qsizetype index = symbols().indexOf(symbol);
    if (index < 0)
        return std::nullopt;
    return Operator(index);
}

QString divisionByZeroMessage() { return QStringLiteral("Erreur: Division par zéro."); }

QString overflowMessage() { return QStringLiteral("Erreur: le résultat dépasse la capacité de la calculatrice."); }

Outcome evaluate(double a, double o, std::optional<Operator> op)
{
    if (!op)
        return accepted(a);
    switch (*op) {
    case Operator::Add: return checked(a, a + o);
    case Operator::Subtract: return subtract(a, o);
    case Operator::Multiply: return checked(a, a * o);
    case Operator::Divide: return o == 0 ? refused(a, divisionByZeroMessage()) : checked(a, a / o);
    case Operator::Modulo: return remainder(a, o);
    case Operator::Power: return power(a, o);
    case Operator::LogBase: return logarithm(a, o);
    }
    return accepted(a);
}

} // namespace Operators
