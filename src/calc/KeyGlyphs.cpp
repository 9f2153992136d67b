#include "calc/KeyGlyphs.h"

#include <cstdlib>

namespace {

// Collects the strokes of one face. `run` takes both ends inclusive, which is
// how the letters are designed; it only accepts horizontal, vertical and 45°
// strokes, for which the excluded end pixel is simply one step further on.
class Strokes
{
public:
    explicit Strokes(int dx = 0, int dy = 0) : dx_(dx), dy_(dy) { }

    Strokes &raw(int x1, int y1, int x2, int y2)
    {
        segments_.append({QPoint(x1 + dx_, y1 + dy_), QPoint(x2 + dx_, y2 + dy_)});
        return *this;
    }
    Strokes &run(int x1, int y1, int x2, int y2)
    {
        const int sx = x2 > x1 ? 1 : (x2 < x1 ? -1 : 0);
        const int sy = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
        Q_ASSERT(sx == 0 || sy == 0 || std::abs(x2 - x1) == std::abs(y2 - y1));
        if (sx == 0 && sy == 0)
            return raw(x1, y1, x1 + 1, y1);
        return raw(x1, y1, x2 + sx, y2 + sy);
    }
    Strokes &dot(int x, int y) { return run(x, y, x, y); }
    Strokes &append(const QVector<GlyphSegment> &more)
    {
        for (const GlyphSegment &s : more)
            raw(s.from.x(), s.from.y(), s.to.x(), s.to.y());
        return *this;
    }
    QVector<GlyphSegment> take() { return std::move(segments_); }

private:
    int dx_;
    int dy_;
    QVector<GlyphSegment> segments_;
};

// ---- Round key letters -------------------------------------------------
// Capitals and digits stand on rows 9-17; small letters have their x-height
// on rows 12-17, descenders reach row 19. Each function draws at left edge x.

constexpr int CapTop = 9;
constexpr int SmallTop = 12;
constexpr int Base = 17;

QVector<GlyphSegment> digit(int d, int shift = 0)
{
    // Digits fill a 5 x 9 box with cut corners, x 11-15 when not shifted.
    Strokes s(shift, 0);
    switch (d) {
    case 0: s.run(12, 9, 14, 9).run(15, 10, 15, 16).run(14, 17, 12, 17).run(11, 16, 11, 10); break;
    case 1: s.run(12, 10, 13, 9).run(13, 10, 13, 16).run(11, 17, 15, 17).dot(11, 11); break;
    case 2:
        s.dot(11, 10).run(12, 9, 14, 9).run(15, 10, 15, 12).run(14, 13, 11, 16);
        s.run(11, 17, 15, 17);
        break;
    case 3:
        s.dot(11, 10).run(12, 9, 14, 9).run(15, 10, 15, 12).run(14, 13, 13, 13);
        s.run(15, 14, 15, 16).run(14, 17, 12, 17).dot(11, 16);
        break;
    case 4: s.run(14, 9, 14, 17).run(13, 10, 11, 12).run(11, 13, 11, 14).run(12, 14, 15, 14); break;
    case 5:
        s.run(15, 9, 11, 9).run(11, 10, 11, 13).run(12, 13, 14, 13).run(15, 14, 15, 16);
        s.run(14, 17, 12, 17).dot(11, 16);
        break;
    case 6:
        s.dot(15, 10).run(14, 9, 12, 9).run(11, 10, 11, 16).run(12, 17, 14, 17);
        s.run(15, 16, 15, 14).run(14, 13, 12, 13);
        break;
    case 7:
        s.run(11, 9, 15, 9).dot(15, 10).run(14, 11, 14, 12).run(13, 13, 13, 14);
        s.run(12, 15, 12, 17);
        break;
    case 8:
        // The 8 sets the style of every digit; its strokes are fixed to the pixel.
        s.raw(12, 9, 15, 9).raw(15, 10, 15, 13).raw(14, 13, 11, 13).raw(11, 12, 11, 9);
        s.raw(15, 14, 15, 17).raw(14, 17, 11, 17).raw(11, 16, 11, 13);
        break;
    case 9:
        s.dot(11, 16).run(12, 17, 14, 17).run(15, 16, 15, 10).run(14, 9, 12, 9);
        s.run(11, 10, 11, 12).run(12, 13, 14, 13);
        break;
    default: break;
    }
    return s.take();
}

// Capitals, 5 wide (I: 3 wide, L: 4 wide).
void capC(Strokes &s, int x)
{
    s.run(x + 1, CapTop, x + 3, CapTop).dot(x + 4, CapTop + 1).run(x, CapTop + 1, x, Base - 1);
    s.run(x + 1, Base, x + 3, Base).dot(x + 4, Base - 1);
}
void capD(Strokes &s, int x)
{
    s.run(x, CapTop, x, Base).run(x + 1, CapTop, x + 3, CapTop).run(x + 4, CapTop + 1, x + 4, Base - 1);
    s.run(x + 1, Base, x + 3, Base);
}
void capE(Strokes &s, int x)
{
    s.run(x, CapTop, x, Base).run(x + 1, CapTop, x + 4, CapTop).run(x + 1, 13, x + 3, 13);
    s.run(x + 1, Base, x + 4, Base);
}
void capF(Strokes &s, int x) { s.run(x, CapTop, x, Base).run(x + 1, CapTop, x + 4, CapTop).run(x + 1, 13, x + 3, 13); }
void capI(Strokes &s, int x)
{
    s.run(x, CapTop, x + 2, CapTop).run(x + 1, CapTop + 1, x + 1, Base - 1).run(x, Base, x + 2, Base);
}
void capL(Strokes &s, int x) { s.run(x, CapTop, x, Base).run(x + 1, Base, x + 3, Base); }
void capM(Strokes &s, int x)
{
    s.run(x, Base, x, CapTop).run(x + 1, CapTop + 1, x + 2, CapTop + 2).dot(x + 2, CapTop + 3);
    s.dot(x + 3, CapTop + 1).run(x + 4, CapTop, x + 4, Base);
}
void capS(Strokes &s, int x)
{
    s.dot(x + 4, CapTop + 1).run(x + 3, CapTop, x + 1, CapTop).run(x, CapTop + 1, x, 12);
    s.run(x + 1, 13, x + 3, 13).run(x + 4, 14, x + 4, Base - 1).run(x + 3, Base, x + 1, Base);
    s.dot(x, Base - 1);
}
void capT(Strokes &s, int x) { s.run(x, CapTop, x + 4, CapTop).run(x + 2, CapTop + 1, x + 2, Base); }

// Small letters, 4 wide (i: 1 wide).
void smallA(Strokes &s, int x)
{
    s.run(x, SmallTop, x + 2, SmallTop).run(x + 3, SmallTop + 1, x + 3, Base);
    s.run(x + 2, 14, x + 1, 14).run(x, 15, x, 16).run(x + 1, Base, x + 2, Base);
}
void smallC(Strokes &s, int x)
{
    s.run(x + 3, SmallTop, x + 1, SmallTop).run(x, SmallTop + 1, x, Base - 1).run(x + 1, Base, x + 3, Base);
}
void smallD(Strokes &s, int x)
{
    s.run(x + 2, SmallTop, x + 1, SmallTop).run(x, SmallTop + 1, x, Base - 1).run(x + 1, Base, x + 2, Base);
    s.run(x + 3, CapTop, x + 3, Base);
}
void smallE(Strokes &s, int x)
{
    s.run(x + 1, SmallTop, x + 2, SmallTop).run(x + 3, SmallTop + 1, x + 3, 14).run(x + 2, 14, x + 1, 14);
    s.run(x, SmallTop + 1, x, Base - 1).run(x + 1, Base, x + 3, Base);
}
void smallG(Strokes &s, int x)
{
    s.run(x + 1, SmallTop, x + 2, SmallTop).run(x, SmallTop + 1, x, 15).run(x + 1, 16, x + 2, 16);
    s.run(x + 3, SmallTop, x + 3, 18).run(x + 2, 19, x, 19);
}
void smallI(Strokes &s, int x) { s.dot(x, 10).run(x, SmallTop, x, Base); }
void smallN(Strokes &s, int x)
{
    s.run(x, Base, x, SmallTop).run(x + 1, SmallTop, x + 2, SmallTop).run(x + 3, SmallTop + 1, x + 3, Base);
}
void smallO(Strokes &s, int x)
{
    s.run(x + 1, SmallTop, x + 2, SmallTop).run(x + 3, SmallTop + 1, x + 3, Base - 1);
    s.run(x + 2, Base, x + 1, Base).run(x, Base - 1, x, SmallTop + 1);
}
void smallS(Strokes &s, int x)
{
    s.run(x + 3, SmallTop, x + 1, SmallTop).dot(x, SmallTop + 1).run(x + 1, 14, x + 2, 14);
    s.run(x + 3, 15, x + 3, Base - 1).run(x + 2, Base, x, Base);
}
void smallT(Strokes &s, int x)
{
    s.run(x + 1, 10, x + 1, Base - 1).run(x, SmallTop, x + 3, SmallTop).run(x + 2, Base, x + 3, Base);
}

// A small x of 5 x 5 with its top-left corner at (x, y).
void smallX(Strokes &s, int x, int y)
{
    s.run(x, y, x + 4, y + 4).run(x + 4, y, x + 3, y + 1).run(x + 1, y + 3, x, y + 4);
}

// "x" raised to a small exponent drawn by `exponent` at (16, 7).
template<typename Exponent>
QVector<GlyphSegment> power(Exponent exponent)
{
    Strokes s;
    smallX(s, 6, 13);
    s.run(12, 11, 13, 10).dot(14, 11); // the caret
    exponent(s, 17, 6);
    return s.take();
}

QVector<GlyphSegment> digitGlyph(int index) { return digit(index); }

QVector<GlyphSegment> constantGlyph()
{
    Strokes s;
    s.dot(7, 11).run(8, 10, 19, 10); // bar with a small lead-in
    s.run(10, 11, 10, 16).dot(9, 17);
    s.run(16, 11, 16, 16).run(17, 17, 18, 17);
    return s.take();
}

QVector<GlyphSegment> signGlyph()
{
    // A small plus, a stepped slash and a short minus; fixed to the pixel.
    Strokes s;
    s.raw(7, 14, 12, 14).raw(9, 12, 9, 17);
    s.raw(13, 17, 13, 15).raw(14, 15, 14, 13).raw(15, 13, 15, 11).raw(16, 11, 16, 8);
    s.raw(18, 14, 20, 14);
    return s.take();
}

QVector<GlyphSegment> decimalGlyph()
{
    Strokes s;
    s.run(12, 15, 13, 15).run(12, 16, 13, 16).dot(13, 17).dot(12, 18);
    return s.take();
}

QVector<GlyphSegment> operatorGlyph(int index)
{
    Strokes s;
    switch (index) {
    case 0: // plus
        s.run(8, 13, 18, 13).run(13, 8, 13, 18);
        break;
    case 1: // minus
        s.run(8, 13, 18, 13);
        break;
    case 2: // the letter x
        s.run(10, 10, 16, 16).run(16, 10, 14, 12).run(12, 14, 10, 16);
        break;
    case 3: // slash
        s.raw(17, 7, 9, 19);
        break;
    case 4: // Mod
        capM(s, 6);
        smallO(s, 12);
        smallD(s, 17);
        break;
    case 5: // x^y
        return power([](Strokes &t, int x, int y) {
            t.run(x, y, x, y + 2).run(x + 1, y + 3, x + 2, y + 3).run(x + 3, y, x + 3, y + 4);
            t.run(x + 2, y + 5, x, y + 5);
        });
    case 6: // Log with a small n: the logarithm in base n
        capL(s, 5);
        smallO(s, 10);
        smallG(s, 15);
        s.run(20, 15, 20, 18).dot(21, 15).run(22, 16, 22, 18);
        break;
    default: break;
    }
    return s.take();
}

QVector<GlyphSegment> equalsGlyph()
{
    Strokes s;
    s.run(8, 11, 18, 11).run(8, 15, 18, 15);
    return s.take();
}

QVector<GlyphSegment> backspaceGlyph()
{
    Strokes s;
    s.run(7, 13, 11, 9).run(8, 14, 11, 17); // the head
    s.run(9, 12, 19, 12).run(9, 14, 19, 14); // the double shaft
    return s.take();
}

QVector<GlyphSegment> clearEntryGlyph()
{
    Strokes s;
    s.run(8, 9, 11, 9).run(12, 10, 12, 11).run(12, 16, 12, 17).run(11, 17, 8, 17).run(7, 16, 7, 10);
    capE(s, 15);
    return s.take();
}

QVector<GlyphSegment> clearGlyph()
{
    // Fixed to the pixel; the C of "CE" follows the same shape.
    Strokes s;
    s.raw(12, 9, 16, 9).raw(16, 10, 16, 11).raw(16, 16, 16, 17).raw(15, 17, 11, 17).raw(11, 16, 11, 9);
    return s.take();
}

QVector<GlyphSegment> functionGlyph(int index)
{
    Strokes s;
    switch (index) {
    case 0: // euro sign
        s.dot(17, 8).run(16, 7, 13, 7).run(12, 8, 11, 9).run(10, 10, 10, 16).run(11, 17, 12, 18);
        s.run(13, 19, 16, 19).dot(17, 18);
        s.run(7, 11, 15, 11).run(7, 14, 14, 14);
        break;
    case 1: // F
        capF(s, 11);
        break;
    case 2: // Int
        capI(s, 7);
        smallN(s, 11);
        smallT(s, 16);
        break;
    case 3: // square root sign
        s.run(6, 14, 7, 14).raw(8, 14, 10, 19).raw(11, 18, 15, 6).run(15, 6, 20, 6);
        s.dot(20, 7);
        break;
    case 4: // x^2
        return power([](Strokes &t, int x, int y) {
            t.dot(x, y + 1).run(x + 1, y, x + 2, y).run(x + 3, y + 1, x + 3, y + 2);
            t.run(x + 2, y + 3, x + 1, y + 4).run(x, y + 5, x + 3, y + 5);
        });
    case 5: // x^3
        return power([](Strokes &t, int x, int y) {
            t.run(x, y, x + 2, y).dot(x + 3, y + 1).run(x + 2, y + 2, x + 1, y + 2);
            t.run(x + 3, y + 3, x + 3, y + 4).run(x + 2, y + 5, x, y + 5);
        });
    case 6: // 1/x
        s.run(6, 11, 8, 9).run(8, 10, 8, 17);
        s.raw(14, 8, 10, 19);
        smallX(s, 15, 13);
        break;
    case 7: // Log
        capL(s, 6);
        smallO(s, 11);
        smallG(s, 16);
        break;
    case 8: // Déc
        capD(s, 6);
        smallE(s, 12);
        s.run(14, 10, 15, 9); // the accent
        smallC(s, 17);
        break;
    case 9: // Cos
        capC(s, 6);
        smallO(s, 12);
        smallS(s, 17);
        break;
    case 10: // Sin
        capS(s, 7);
        smallI(s, 13);
        smallN(s, 15);
        break;
    case 11: // Tan
        capT(s, 6);
        smallA(s, 12);
        smallN(s, 17);
        break;
    default: break;
    }
    return s.take();
}

QVector<GlyphSegment> memoryGlyph(int index)
{
    if (index < 0 || index > 4)
        return {};
    Strokes s;
    capM(s, 7);
    s.append(digit(index + 1, 3));
    return s.take();
}

// ---- Grid key letters --------------------------------------------------
// Capitals and tall letters from row 6, x-height from row 9, baseline row 13,
// descender to row 15. Each function draws at x and returns the next free x
// after one blank column.

constexpr int GTop = 6;
constexpr int GSmall = 9;
constexpr int GBase = 13;

int gridE(Strokes &s, int x)
{
    s.run(x, GTop, x, GBase).run(x + 1, GTop, x + 3, GTop).run(x + 1, 9, x + 2, 9);
    s.run(x + 1, GBase, x + 3, GBase);
    return x + 5;
}
int gridR(Strokes &s, int x)
{
    s.run(x, GBase, x, GTop).run(x + 1, GTop, x + 3, GTop).run(x + 4, GTop + 1, x + 4, 8);
    s.run(x + 3, 9, x + 1, 9).run(x + 2, 10, x + 4, 12).dot(x + 4, GBase);
    return x + 6;
}
int gridSmallA(Strokes &s, int x)
{
    s.run(x + 1, GSmall, x + 3, GSmall).run(x + 4, GSmall + 1, x + 4, GBase).run(x + 3, 11, x + 1, 11);
    s.dot(x, 12).run(x + 1, GBase, x + 3, GBase);
    return x + 6;
}
int gridSmallD(Strokes &s, int x)
{
    s.run(x + 3, GSmall, x + 1, GSmall).run(x, GSmall + 1, x, GBase - 1).run(x + 1, GBase, x + 3, GBase);
    s.run(x + 4, GTop, x + 4, GBase);
    return x + 6;
}
int gridSmallE(Strokes &s, int x)
{
    s.run(x + 1, GSmall, x + 3, GSmall).dot(x + 4, GSmall + 1).run(x + 4, 11, x + 1, 11);
    s.run(x, GSmall + 1, x, GBase - 1).run(x + 1, GBase, x + 4, GBase);
    return x + 6;
}
int gridSmallG(Strokes &s, int x)
{
    s.run(x + 1, GSmall, x + 3, GSmall).run(x, GSmall + 1, x, 11).run(x + 1, 12, x + 3, 12);
    s.run(x + 4, GSmall, x + 4, 14).run(x + 3, 15, x + 1, 15).dot(x, 14);
    return x + 6;
}
int gridSmallI(Strokes &s, int x)
{
    s.dot(x, 7).run(x, GSmall, x, GBase);
    return x + 2;
}
int gridSmallL(Strokes &s, int x)
{
    s.run(x, GTop, x, GBase);
    return x + 2;
}
int gridSmallO(Strokes &s, int x)
{
    s.run(x + 1, GSmall, x + 3, GSmall).run(x + 4, GSmall + 1, x + 4, GBase - 1);
    s.run(x + 3, GBase, x + 1, GBase).run(x, GBase - 1, x, GSmall + 1);
    return x + 6;
}
int gridSmallR(Strokes &s, int x)
{
    s.run(x, GBase, x, GSmall).dot(x + 1, GSmall + 1).run(x + 2, GSmall, x + 3, GSmall);
    return x + 5;
}
int gridSmallT(Strokes &s, int x)
{
    s.run(x + 1, 7, x + 1, GBase - 1).run(x, GSmall, x + 2, GSmall).dot(x + 2, GBase);
    return x + 4;
}
int gridSmallU(Strokes &s, int x)
{
    s.run(x, GSmall, x, GBase - 1).run(x + 1, GBase, x + 3, GBase).run(x + 4, GBase, x + 4, GSmall);
    return x + 6;
}

} // namespace

namespace KeyGlyphs {

QVector<GlyphSegment> glyph(KeyId key)
{
    switch (key.group) {
    case KeyGroup::Digit: return key.index >= 0 && key.index <= 9 ? digitGlyph(key.index) : QVector<GlyphSegment>();
    case KeyGroup::Constant: return key.index == 0 ? constantGlyph() : QVector<GlyphSegment>();
    case KeyGroup::Sign: return signGlyph();
    case KeyGroup::Decimal: return decimalGlyph();
    case KeyGroup::Operator: return operatorGlyph(key.index);
    case KeyGroup::Equals: return equalsGlyph();
    case KeyGroup::Backspace: return backspaceGlyph();
    case KeyGroup::ClearEntry: return clearEntryGlyph();
    case KeyGroup::Clear: return clearGlyph();
    case KeyGroup::Function: return functionGlyph(key.index);
    case KeyGroup::Memory: return memoryGlyph(key.index);
    case KeyGroup::Grid: break;
    }
    return {};
}

QVector<GlyphSegment> gridCaption(CalcMode mode)
{
    Strokes s;
    if (mode == CalcMode::Keypad) {
        int x = 6;
        x = gridE(s, x);
        x = gridSmallD(s, x);
        x = gridSmallI(s, x);
        x = gridSmallT(s, x);
        x = gridSmallE(s, x);
        x = gridSmallR(s, x);
        x += 2;
        x = gridSmallL(s, x);
        x = gridSmallA(s, x);
        x += 2;
        x = gridSmallG(s, x);
        x = gridSmallR(s, x);
        x = gridSmallI(s, x);
        x = gridSmallL(s, x);
        x = gridSmallL(s, x);
        gridSmallE(s, x);
    } else {
        int x = 22;
        x = gridR(s, x);
        x = gridSmallE(s, x);
        x = gridSmallT(s, x);
        x = gridSmallO(s, x);
        x = gridSmallU(s, x);
        gridSmallR(s, x);
    }
    return s.take();
}

QVector<KeyId> roundKeysInDrawingOrder()
{
    QVector<KeyId> keys;
    auto add = [&keys](KeyGroup group, int count) {
        for (int i = 0; i < count; ++i)
            keys.append({group, i});
    };
    add(KeyGroup::Digit, 10);
    add(KeyGroup::Constant, 1);
    add(KeyGroup::Sign, 1);
    add(KeyGroup::Decimal, 1);
    add(KeyGroup::Operator, 7);
    add(KeyGroup::Equals, 1);
    add(KeyGroup::Backspace, 1);
    add(KeyGroup::ClearEntry, 1);
    add(KeyGroup::Clear, 1);
    add(KeyGroup::Function, 12);
    add(KeyGroup::Memory, 5);
    return keys;
}

} // namespace KeyGlyphs
