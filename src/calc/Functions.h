#pragma once

#include "calc/KeyId.h"

#include <QString>
#include <QStringList>
#include <optional>

class UserPrompt;

// The twelve function keys, in the keypad's order (imaFonction 0-11). Four
// have a second function on the right button: Int gives the fractional
// part, Log gives e^x, Decimals rounds instead of cutting.
enum class FunctionKey { Euros, Francs, Int, SquareRoot, Square, Cube, Inverse, Log, Decimals, Cos, Sin, Tan };

namespace Functions {

constexpr double FrancsPerEuro = 6.55957;

// The name written in column 0 of the function line.
QString name(FunctionKey f, KeyButton button);

// "Euros" ... "Tan" and "+/-": the names a function line can carry.
const QStringList &names();

// The key and button whose function a tape line's name gives; nothing for
// "+/-" (the sign key) and for a name no key gives.
struct Press
{
    FunctionKey key = FunctionKey::Euros;
    KeyButton button = KeyButton::Left;
};
std::optional<Press> named(const QString &name);

// Whether the key needs a number of decimals (and asks for it) for x.
bool needsDecimals(FunctionKey f);

// The result, or nothing when the function is refused for x (domain error
// or a result beyond the range of a double). `decimals` is the number of
// decimals for the decimals key, already read from the user's answer.
std::optional<double> apply(FunctionKey f, KeyButton button, double x, double decimals = 0);

// Asks "Nombre de décimales à utiliser:" until the answer reads as a number,
// in French or with a full stop. The keypad and the tape's edit frame both
// ask through here, so that they accept the same answers. Returns the
// answer, or an empty text when the user cancelled.
QString askDecimals(UserPrompt &prompt);

// The largest number of decimals that can still change a double's decimal
// form; larger answers are treated as this many.
constexpr int MaxDecimals = 400;

} // namespace Functions
