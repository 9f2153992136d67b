#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class UserPrompt;

// The twelve function keys. Button 1 is the left mouse button; any other
// value selects a two-function key's second variant.
namespace Functions {

constexpr int Decimals = 8; // the key that asks for a number of decimals
constexpr double FrancsPerEuro = 6.55957;

// The name written in column 0 of the function line.
QString name(int f, int button);

// "Euros" ... "Tan" and "+/-": the names a function line can carry.
const QStringList &names();

// Whether the key needs a number of decimals (and asks for it) for x.
bool needsDecimals(int f);

// The result, or nothing when the function is refused for x (domain error
// or a result beyond the range of a double). `decimals` is the number of
// decimals for the decimals key, already read from the user's answer.
std::optional<double> apply(int f, int button, double x, double decimals = 0);

// Asks "Nombre de décimales à utiliser:" until the answer reads as a number,
// in French or with a full stop. The keypad and the tape's edit frame both
// ask through here, so that they accept the same answers. Returns the
// answer, or an empty text when the user cancelled.
QString askDecimals(UserPrompt &prompt);

// The largest number of decimals that can still change a double's decimal
// form; larger answers are treated as this many.
constexpr int MaxDecimals = 400;

} // namespace Functions
