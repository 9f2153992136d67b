#include "calc/KeyGlyphs.h"
#include "calc/PixelRaster.h"

#include <QSet>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(KeyId)

namespace {

using Segments = QVector<GlyphSegment>;

QVector<QPoint> pixelsOf(const Segments &segments)
{
    QVector<QPoint> pixels;
    for (const GlyphSegment &s : segments)
        pixels += PixelRaster::line(s.from, s.to);
    return pixels;
}

QSet<QPoint> setOf(const QVector<QPoint> &pixels)
{
    return QSet<QPoint>(pixels.begin(), pixels.end());
}

QRect boundsOf(const QVector<QPoint> &pixels)
{
    QRect r;
    for (const QPoint &p : pixels)
        r |= QRect(p, QSize(1, 1));
    return r;
}

QString keyName(KeyId key)
{
    static const char *const names[] = {"digit", "constant", "sign", "decimal", "operator", "equals",
                                        "backspace", "clear entry", "clear", "function", "memory",
                                        "grid"};
    return QStringLiteral("%1 %2").arg(QLatin1String(names[int(key.group)])).arg(key.index);
}

QString describe(QPoint p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

void addKeyRows()
{
    QTest::addColumn<KeyId>("key");
    for (const KeyId &key : KeyGlyphs::roundKeysInDrawingOrder())
        QTest::newRow(qPrintable(keyName(key))) << key;
}

} // namespace

class TestKeyGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void glyphFitsInsideRing_data()
    {
        addKeyRows();
    }

    // The pressed ring (radius 12) is drawn over the face and erased again in the
    // back colour: it must not share a pixel with the glyph or the outline, so the
    // glyph keeps to the disc of radius 11.
    void glyphFitsInsideRing()
    {
        QFETCH(KeyId, key);
        const Segments segments = KeyGlyphs::glyph(key);
        QVERIFY(!segments.isEmpty());
        for (const GlyphSegment &s : segments)
            QVERIFY2(s.from != s.to, "a zero-length stroke draws nothing");

        const QSet<QPoint> glyph = setOf(pixelsOf(segments));
        QVERIFY(!glyph.isEmpty());
        for (const QPoint &p : glyph) {
            const int dx = p.x() - 13;
            const int dy = p.y() - 13;
            QVERIFY2(dx * dx + dy * dy <= 11 * 11, qPrintable(describe(p)));
        }
        QVERIFY(!glyph.intersects(setOf(PixelRaster::circle(13, 13, 12))));
        QVERIFY(!glyph.intersects(setOf(PixelRaster::circle(13, 13, 13))));
    }

    // Two keys drawn alike could not be told apart on the keypad.
    void glyphsAreDistinct()
    {
        const QVector<KeyId> keys = KeyGlyphs::roundKeysInDrawingOrder();
        QVector<QSet<QPoint>> faces;
        for (const KeyId &key : keys)
            faces.append(setOf(pixelsOf(KeyGlyphs::glyph(key))));
        for (int i = 0; i < faces.size(); ++i)
            for (int j = i + 1; j < faces.size(); ++j)
                QVERIFY2(faces[i] != faces[j],
                         qPrintable(keyName(keys[i]) + QStringLiteral(" = ") + keyName(keys[j])));
    }

    void keysWithoutRoundFace()
    {
        for (const KeyId &key : {KeyId{KeyGroup::Grid, 0}, KeyId{KeyGroup::Digit, 10}, KeyId{KeyGroup::Digit, -1},
                                 KeyId{KeyGroup::Operator, 7}, KeyId{KeyGroup::Function, 12},
                                 KeyId{KeyGroup::Memory, 5}, KeyId{KeyGroup::Constant, 1}})
            QVERIFY2(KeyGlyphs::glyph(key).isEmpty(), qPrintable(keyName(key)));
    }

    void gridCaption_data()
    {
        QTest::addColumn<bool>("calculatorMode");
        QTest::addColumn<int>("firstX");
        QTest::addColumn<int>("minLastX");
        QTest::addColumn<int>("maxLastX");
        QTest::addColumn<int>("lowestY");

        // "Editer la grille": from x 6 to about 67, the g hangs to row 15.
        QTest::newRow("Editer la grille") << true << 6 << 65 << 69 << 15;
        // "Retour": from x 22 to x 53, no descender.
        QTest::newRow("Retour") << false << 22 << 53 << 53 << 13;
    }

    void gridCaption()
    {
        QFETCH(bool, calculatorMode);
        QFETCH(int, firstX);
        QFETCH(int, minLastX);
        QFETCH(int, maxLastX);
        QFETCH(int, lowestY);

        const auto modeOf = [](bool calculator) { return calculator ? CalcMode::Keypad : CalcMode::Grid; };
        const QVector<QPoint> pixels = pixelsOf(KeyGlyphs::gridCaption(modeOf(calculatorMode)));
        QVERIFY(!pixels.isEmpty());
        const QRect bounds = boundsOf(pixels);
        QCOMPARE(bounds.left(), firstX);
        QVERIFY2(bounds.right() >= minLastX && bounds.right() <= maxLastX,
                 qPrintable(QString::number(bounds.right())));
        QCOMPARE(bounds.top(), 6);
        QCOMPARE(bounds.bottom(), lowestY);

        // Clear of the rounded outline: not on it, not touching it, and inside it
        // (an outline pixel lies further out on the pixel's row and column).
        const QVector<QPoint> outline = PixelRaster::roundRect(0, 0, 75, 21, 14, 14);
        QVERIFY(QRect(0, 0, 75, 21).contains(bounds));
        for (const QPoint &p : pixels) {
            bool left = false, right = false, above = false, below = false;
            for (const QPoint &o : outline) {
                QVERIFY2(std::max(std::abs(o.x() - p.x()), std::abs(o.y() - p.y())) > 1,
                         qPrintable(describe(p) + QStringLiteral(" touches the outline")));
                if (o.y() == p.y()) {
                    left = left || o.x() < p.x();
                    right = right || o.x() > p.x();
                }
                if (o.x() == p.x()) {
                    above = above || o.y() < p.y();
                    below = below || o.y() > p.y();
                }
            }
            QVERIFY2(left && right && above && below, qPrintable(describe(p)));
        }

        // The two captions differ, so switching mode shows a change.
        QVERIFY(setOf(pixels) != setOf(pixelsOf(KeyGlyphs::gridCaption(modeOf(!calculatorMode)))));
    }
};

QTEST_APPLESS_MAIN(TestKeyGlyphs)
#include "test_key_glyphs.moc"
