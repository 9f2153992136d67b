// The calculator's drawn keys on a high-density screen: run with
// QT_SCALE_FACTOR=2, every key face must be drawn at the device's resolution
// from its geometry (outline circle, glyph lines, rounded rectangle),
// anti-aliased, and stand where it stands at scale 1, on whole device pixels.
#include "app/FrmCalc.h"
#include "calc/KeyGlyphs.h"
#include "calc/Keypad.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"
#include "controls/Twips.h"
#include "support/ScriptedPrompt.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(KeyId)

namespace {

constexpr int Scale = 2;

QString describe(const KeyId &id)
{
    return QStringLiteral("%1 [%2.%3]").arg(Keypad::accessibleName(id)).arg(int(id.group)).arg(id.index);
}

// Distance, in surface pixels, from p to a one-pixel stroke through the pixel
// centres from a to b with square ends.
double toStroke(QPointF p, QPointF a, QPointF b)
{
    const QPointF axis = b - a;
    const double length = std::hypot(axis.x(), axis.y());
    const QPointF u = length > 0 ? axis / length : QPointF(1, 0);
    const QPointF d = p - a;
    const double along = d.x() * u.x() + d.y() * u.y();
    const double across = std::abs(d.x() * u.y() - d.y() * u.x());
    return std::max({across, -along, along - length});
}

// The face's geometry as a distance field: how far a point of the surface
// lies from the nearest stroke of the face (0 on its centre line).
struct FaceGeometry
{
    QVector<GlyphSegment> segments;
    QVector<int> circleRadii;      // centred on pixel (13, 13)
    bool roundRect = false;        // the grid key's outline

    double distance(QPointF p) const
    {
        double best = 1e9;
        const QPointF centre(0.5, 0.5);
        for (const GlyphSegment &s : segments) {
            const int steps = std::max(std::abs(s.to.x() - s.from.x()), std::abs(s.to.y() - s.from.y()));
            if (steps == 0)
                continue;
            const QPointF last = QPointF(s.from) + QPointF(s.to - s.from) * (steps - 1) / steps;
            best = std::min(best, toStroke(p, QPointF(s.from) + centre, last + centre));
        }
        for (int r : circleRadii)
            best = std::min(best, std::abs(std::hypot(p.x() - 13.5, p.y() - 13.5) - r));
        if (roundRect) {
            // The outline through pixels 0..74 x 0..20, corners of radius 7.
            const QPointF half(37, 10), middle(37.5, 10.5);
            const double qx = std::abs(p.x() - middle.x()) - (half.x() - 7);
            const double qy = std::abs(p.y() - middle.y()) - (half.y() - 7);
            const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - 7;
            best = std::min(best, std::abs(outside));
        }
        return best;
    }
};

FaceGeometry geometryOf(const KeyId &id, bool pressed)
{
    FaceGeometry face;
    if (id.group == KeyGroup::Grid) {
        face.segments = KeyGlyphs::gridCaption(CalcMode::Keypad);
        face.roundRect = true;
        return face;
    }
    face.segments = KeyGlyphs::glyph(id);
    face.circleRadii = pressed ? QVector<int>{13, 12} : QVector<int>{13};
    return face;
}

// How much of the fore colour a pixel holds, from 0 (back) to 1 (fore).
double coverage(QColor pixel, QColor back, QColor fore)
{
    const double dr = fore.redF() - back.redF(), dg = fore.greenF() - back.greenF(), db = fore.blueF() - back.blueF();
    const double along = (pixel.redF() - back.redF()) * dr + (pixel.greenF() - back.greenF()) * dg
        + (pixel.blueF() - back.blueF()) * db;
    return along / (dr * dr + dg * dg + db * db);
}

// The first device pixel whose colour strays from the face drawn from its
// geometry: a stroke one surface pixel wide, its edge blended over one
// device pixel.
QString strayPixel(const QImage &screen, const FaceGeometry &face, QColor back, QColor fore)
{
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const double d = face.distance(QPointF(x + 0.5, y + 0.5) / Scale);
            const double expected = std::clamp(0.5 + (0.5 - d) * Scale, 0.0, 1.0);
            const double shown = coverage(screen.pixelColor(x, y), back, fore);
            if (std::abs(shown - expected) > 0.45)
                return QStringLiteral("device pixel (%1, %2) covers %3, the geometry %4")
                    .arg(x).arg(y).arg(shown, 0, 'f', 2).arg(expected, 0, 'f', 2);
        }
    return {};
}

} // namespace

class TestKeypadScale : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), qreal(Scale)),
                 "run with QT_SCALE_FACTOR=2 in the environment");
        window = std::make_unique<FrmCalc>();
        // Pressing every key in turn may well end in an error message.
        window->setPrompt(&prompt);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        saveShot(*window, QStringLiteral("calculator-x2"));
    }
    void cleanupTestCase() { window.reset(); }

    void keyFaceFollowsGeometry_data()
    {
        QTest::addColumn<KeyId>("id");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QPoint>("place"); // at scale 1
        for (const Keypad::Place &place : Keypad::places()) {
            const QByteArray name = describe(place.key).toUtf8();
            const QPoint at(Twips::toPixels(place.leftTwips), Twips::toPixels(place.topTwips));
            QTest::newRow(name + " released") << place.key << false << at;
            if (place.key.group != KeyGroup::Grid)
                QTest::newRow(name + " pressed") << place.key << true << at;
        }
    }
    void keyFaceFollowsGeometry()
    {
        QFETCH(KeyId, id);
        QFETCH(bool, pressed);
        QFETCH(QPoint, place);
        GdiKey *key = window->key(id);
        QVERIFY(key);
        const QImage before = key->grab().toImage();
        // A pressed key shows its ring; releasing it acts, harmless here.
        if (pressed)
            window->keyDown(id, 1, 0);
        const QImage screen = key->grab().toImage();
        if (pressed)
            window->keyUp(id, 1, 0);

        QCOMPARE(screen.size(), key->size() * Scale);
        const QColor back = TranslateColor(key->backColor());
        const QColor fore = TranslateColor(key->foreColor());
        const QString stray = strayPixel(screen, geometryOf(id, pressed), back, fore);
        QVERIFY2(stray.isEmpty(), qPrintable(stray));
        // Releasing the key leaves no trace of the ring.
        QCOMPARE(key->grab().toImage(), before);
        if (pressed)
            return;

        // The key stands at its scale-1 place, and the window shows exactly the
        // key's own pixels there, starting on a whole device pixel.
        QCOMPARE(key->pos(), place);
        const QImage whole = window->grab().toImage();
        const QRect onScreen(key->mapTo(window.get(), QPoint(0, 0)) * Scale, key->size() * Scale);
        QVERIFY(whole.rect().contains(onScreen));
        const QImage shown = whole.copy(onScreen).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(shown == before.convertToFormat(QImage::Format_RGB32), "the window shows the key shifted or resampled");
    }

private:
    ScriptedPrompt prompt;
    std::unique_ptr<FrmCalc> window;
};

QTEST_MAIN(TestKeypadScale)
#include "test_keypad_scale.moc"
