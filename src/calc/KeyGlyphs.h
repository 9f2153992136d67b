#pragma once

#include "calc/CalcMode.h"
#include "calc/KeyId.h"

#include <QPoint>
#include <QVector>

// One stroke of a key face: a line from `from` to `to`, end pixel excluded.
struct GlyphSegment
{
    QPoint from;
    QPoint to;
};

// The one-pixel line drawings of the keypad's faces on the 27 x 27 surface
// of a round key and the 75 x 21 surface of the grid key.
namespace KeyGlyphs {

// The symbol of a round key (not the outline circle).
QVector<GlyphSegment> glyph(KeyId key);

// The caption of the grid key: "Editer la grille" in keypad mode, "Retour"
// in grid mode (not the rounded outline).
QVector<GlyphSegment> gridCaption(CalcMode mode);

// Every round key in drawing order: digits 0-9, constant, sign, decimal,
// operators 0-6, equals, backspace, clear entry, clear, functions 0-11,
// memories 0-4.
QVector<KeyId> roundKeysInDrawingOrder();

} // namespace KeyGlyphs
