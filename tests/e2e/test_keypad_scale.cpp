// The calculator's drawn keys on a high-density screen: run with
// QT_SCALE_FACTOR=2, every key face must be made of whole 2x2 blocks of the
// key's back or fore colour (no blended edges), and stand where it stands at
// scale 1, on whole device pixels.
#include "app/FrmCalc.h"
#include "calc/Keypad.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"
#include "support/ScriptedPrompt.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(KeyId)

namespace {

constexpr int Scale = 2;

QString describe(const KeyId &id)
{
    return QStringLiteral("%1 [%2.%3]").arg(Keypad::accessibleName(id)).arg(int(id.group)).arg(id.index);
}

QRgb opaque(QRgb color) { return color | 0xFF000000u; }

// The first pixel of `image` that is neither colour, as a message, or empty.
QString foreignPixel(const QImage &image, QRgb back, QRgb fore)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = opaque(image.pixel(x, y));
            if (pixel != back && pixel != fore)
                return QStringLiteral("pixel (%1, %2) is #%3")
                    .arg(x).arg(y).arg(pixel & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    return {};
}

// The first device pixel that differs from the surface pixel it shows.
QString misplacedPixel(const QImage &screen, const QImage &surface)
{
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb shown = opaque(screen.pixel(x, y));
            const QRgb drawn = opaque(surface.pixel(x / Scale, y / Scale));
            if (shown != drawn)
                return QStringLiteral("device pixel (%1, %2) is #%3, surface pixel (%4, %5) is #%6")
                    .arg(x).arg(y).arg(shown & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(x / Scale).arg(y / Scale).arg(drawn & 0xFFFFFF, 6, 16, QLatin1Char('0'));
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

    void keyFaceSharp_data()
    {
        QTest::addColumn<KeyId>("id");
        QTest::addColumn<bool>("pressed");
        for (const Keypad::Place &place : Keypad::places()) {
            const QByteArray name = describe(place.key).toUtf8();
            QTest::newRow(name + " released") << place.key << false;
            if (place.key.group != KeyGroup::Grid)
                QTest::newRow(name + " pressed") << place.key << true;
        }
    }
    void keyFaceSharp()
    {
        QFETCH(KeyId, id);
        QFETCH(bool, pressed);
        GdiKey *key = window->key(id);
        QVERIFY(key);
        // A pressed key shows its ring; releasing it acts, harmless here.
        if (pressed)
            window->keyDown(id, 1, 0);
        const QImage screen = key->grab().toImage();
        const QImage surface = key->surface();
        if (pressed)
            window->keyUp(id, 1, 0);

        QCOMPARE(screen.size(), key->size() * Scale);
        QCOMPARE(surface.size(), key->size());
        const QString foreign = foreignPixel(screen, opaque(TranslateColor(key->backColor()).rgb()),
                                             opaque(TranslateColor(key->foreColor()).rgb()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        const QString misplaced = misplacedPixel(screen, surface);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    }

    // Each key stands at its scale-1 place, and the window shows exactly the
    // key's own pixels there, starting on a whole device pixel.
    void keyPlaces_data()
    {
        QTest::addColumn<KeyId>("id");
        QTest::addColumn<QPoint>("place");
        for (const Keypad::Place &place : Keypad::places())
            QTest::newRow(describe(place.key).toUtf8())
                << place.key
                << QPoint(place.leftTwips / Keypad::TwipsPerPixel, place.topTwips / Keypad::TwipsPerPixel);
    }
    void keyPlaces()
    {
        QFETCH(KeyId, id);
        QFETCH(QPoint, place);
        GdiKey *key = window->key(id);
        QVERIFY(key);
        QCOMPARE(key->pos(), place);

        const QImage whole = window->grab().toImage();
        const QRect onScreen(key->mapTo(window.get(), QPoint(0, 0)) * Scale, key->size() * Scale);
        QVERIFY(whole.rect().contains(onScreen));
        const QImage shown = whole.copy(onScreen).convertToFormat(QImage::Format_RGB32);
        const QImage own = key->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(shown == own, "the window shows the key shifted or resampled");
    }

private:
    ScriptedPrompt prompt;
    std::unique_ptr<FrmCalc> window;
};

QTEST_MAIN(TestKeypadScale)
#include "test_keypad_scale.moc"
