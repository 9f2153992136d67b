#pragma once

#include "calc/KeyId.h"

#include <QString>
#include <QVector>

// Where the keys of the calculator keypad stand and what they say.
namespace Keypad {

constexpr int KeySizePixels = 27; // a round key: 405 twips
constexpr int GridKeyWidthPixels = 75; // 1125 twips
constexpr int GridKeyHeightPixels = 21; // 315 twips

struct Place
{
    KeyId key;
    int leftTwips;
    int topTwips;
};

// Every key of the keypad, the grid key last.
const QVector<Place> &places();

QString tooltip(KeyId key);
// A short name for screen readers: the key's symbol.
QString accessibleName(KeyId key);

} // namespace Keypad
