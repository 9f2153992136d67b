#include "calc/Functions.h"

#include "calc/DecimalText.h"
#include "calc/FrenchNumber.h"
#include "dialogs/UserPrompt.h"

#include <cmath>

namespace Functions {

namespace {

// Any number will do here, whatever its form: the answer is read again later.
bool readsAsNumber(const QString &answer)
{
    return FrenchNumber::read(answer, {.thousandsSeparator = true, .fullStop = true, .nonFinite = true}).has_value();
}

constexpr double DegreesToRadians = 3.14159265358979 / 180;

std::optional<double> finite(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isWhole(double x) { return x - std::trunc(x) == 0; }

int decimalsFrom(double answer)
{
    const double rounded = std::nearbyint(answer);
    return rounded > MaxDecimals ? MaxDecimals : int(rounded);
}

double roundedTrig(double value) { return DecimalText(value).roundedHalfEven(4) + 0.0; }

std::optional<double> withDecimals(int button, double x, double answer)
{
    if (isWhole(x) || answer < 0 || std::isnan(answer))
        return std::nullopt;
    const DecimalText text(x);
    const int n = decimalsFrom(answer);
    return button == 1 ? text.cut(n) : text.roundedHalfEven(n);
}

} // namespace

const QStringList &names()
{
    static const QStringList list{
        QStringLiteral("Euros"),   QStringLiteral("Francs"), QStringLiteral("Int"),     QStringLiteral("0,00"),
        QStringLiteral("RCarrée"), QStringLiteral("Carré"),  QStringLiteral("Cube"),    QStringLiteral("1/x"),
        QStringLiteral("Log"),     QStringLiteral("e^x"),    QStringLiteral("Décimal"), QStringLiteral("Arrond"),
        QStringLiteral("Cos"),     QStringLiteral("Sin"),    QStringLiteral("Tan"),     QStringLiteral("+/-")};
    return list;
}

QString name(int f, int button)
{
    const bool left = button == 1;
    switch (f) {
    case 0: return names()[0];
    case 1: return names()[1];
    case 2: return names()[left ? 2 : 3];
    case 3: return names()[4];
    case 4: return names()[5];
    case 5: return names()[6];
    case 6: return names()[7];
    case 7: return names()[left ? 8 : 9];
    case 8: return names()[left ? 10 : 11];
    case 9: return names()[12];
    case 10: return names()[13];
    case 11: return names()[14];
    default: return QString();
    }
}

bool needsDecimals(int f) { return f == Decimals; }

std::optional<double> apply(int f, int button, double x, double decimals)
{
    const bool left = button == 1;
    switch (f) {
    case 0: return DecimalText(x / FrancsPerEuro).roundedHalfAwayFromZero(2);
    case 1: {
        const double francs = x * FrancsPerEuro;
        if (!std::isfinite(francs))
            return std::nullopt;
        return DecimalText(francs).roundedHalfAwayFromZero(2);
    }
    case 2: return left ? std::trunc(x) + 0.0 : (isWhole(x) ? 0.0 : DecimalText(x).fractionalPart());
    case 3: return x < 0 ? std::nullopt : std::optional<double>(std::sqrt(x));
    case 4: return finite(x * x);
    case 5: return finite(x * x * x);
    case 6: return x == 0 ? std::nullopt : finite(1 / x);
    case 7:
        if (left)
            return x <= 0 ? std::nullopt : std::optional<double>(std::log(x));
        return finite(std::exp(x));
    case 8: return withDecimals(button, x, decimals);
    case 9: return roundedTrig(std::cos(x * DegreesToRadians));
    case 10: return roundedTrig(std::sin(x * DegreesToRadians));
    case 11: {
        const double tangent = std::tan(x * DegreesToRadians);
        return std::isfinite(tangent) ? std::optional<double>(roundedTrig(tangent)) : std::nullopt;
    }
    default: return std::nullopt;
    }
}

QString askDecimals(UserPrompt &prompt)
{
    const QString question = QStringLiteral("Nombre de décimales à utiliser:");
    QString answer = prompt.input(question, QStringLiteral("2"));
    while (!answer.isEmpty() && !readsAsNumber(answer))
        answer = prompt.input(question, QStringLiteral("2"));
    return answer;
}

} // namespace Functions
