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

std::optional<double> withDecimals(KeyButton button, double x, double answer)
{
    if (isWhole(x) || answer < 0 || std::isnan(answer))
        return std::nullopt;
    const DecimalText text(x);
    const int n = decimalsFrom(answer);
    return button == KeyButton::Left ? text.cut(n) : text.roundedHalfEven(n);
}

constexpr FunctionKey AllKeys[] = {FunctionKey::Euros,      FunctionKey::Francs, FunctionKey::Int,
                                   FunctionKey::SquareRoot, FunctionKey::Square, FunctionKey::Cube,
                                   FunctionKey::Inverse,    FunctionKey::Log,    FunctionKey::Decimals,
                                   FunctionKey::Cos,        FunctionKey::Sin,    FunctionKey::Tan};

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

QString name(FunctionKey f, KeyButton button)
{
    const bool left = button == KeyButton::Left;
    switch (f) {
    case FunctionKey::Euros: return names()[0];
    case FunctionKey::Francs: return names()[1];
    case FunctionKey::Int: return names()[left ? 2 : 3];
    case FunctionKey::SquareRoot: return names()[4];
    case FunctionKey::Square: return names()[5];
    case FunctionKey::Cube: return names()[6];
    case FunctionKey::Inverse: return names()[7];
    case FunctionKey::Log: return names()[left ? 8 : 9];
    case FunctionKey::Decimals: return names()[left ? 10 : 11];
    case FunctionKey::Cos: return names()[12];
    case FunctionKey::Sin: return names()[13];
    case FunctionKey::Tan: return names()[14];
    }
    return QString();
}

std::optional<Press> named(const QString &name)
{
    for (const FunctionKey f : AllKeys)
        for (const KeyButton button : {KeyButton::Left, KeyButton::Right})
            if (Functions::name(f, button) == name)
                return Press{f, button};
    return std::nullopt;
}

bool needsDecimals(FunctionKey f) { return f == FunctionKey::Decimals; }

std::optional<double> apply(FunctionKey f, KeyButton button, double x, double decimals)
{
    const bool left = button == KeyButton::Left;
    switch (f) {
    case FunctionKey::Euros: return DecimalText(x / FrancsPerEuro).roundedHalfAwayFromZero(2);
    case FunctionKey::Francs: {
        const double francs = x * FrancsPerEuro;
        if (!std::isfinite(francs))
            return std::nullopt;
        return DecimalText(francs).roundedHalfAwayFromZero(2);
    }
    case FunctionKey::Int: return left ? std::trunc(x) + 0.0 : (isWhole(x) ? 0.0 : DecimalText(x).fractionalPart());
    case FunctionKey::SquareRoot: return x < 0 ? std::nullopt : std::optional<double>(std::sqrt(x));
    case FunctionKey::Square: return finite(x * x);
    case FunctionKey::Cube: return finite(x * x * x);
    case FunctionKey::Inverse: return x == 0 ? std::nullopt : finite(1 / x);
    case FunctionKey::Log:
        if (left)
            return x <= 0 ? std::nullopt : std::optional<double>(std::log(x));
        return finite(std::exp(x));
    case FunctionKey::Decimals: return withDecimals(button, x, decimals);
    case FunctionKey::Cos: return roundedTrig(std::cos(x * DegreesToRadians));
    case FunctionKey::Sin: return roundedTrig(std::sin(x * DegreesToRadians));
    case FunctionKey::Tan: {
        const double tangent = std::tan(x * DegreesToRadians);
        return std::isfinite(tangent) ? std::optional<double>(roundedTrig(tangent)) : std::nullopt;
    }
    }
    return std::nullopt;
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
