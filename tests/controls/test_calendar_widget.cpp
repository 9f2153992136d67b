#include "controls/Calendar.h"
#include "controls/VirtualKeyCode.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QtTest>

namespace {

// Every signal of the control, in the order received.
class Recorder
{
public:
    explicit Recorder(Calendar &calendar)
    {
        QObject::connect(&calendar, &Calendar::dateClick, [this](const QDate &d) {
            log << QStringLiteral("DateClick %1").arg(d.toString(Qt::ISODate));
        });
        QObject::connect(&calendar, &Calendar::change,
                         [this](int user) { log << QStringLiteral("Change %1").arg(user ? "true" : "false"); });
        QObject::connect(&calendar, &Calendar::click, [this] { log << QStringLiteral("Click"); });
        QObject::connect(&calendar, &Calendar::dblClick, [this] { log << QStringLiteral("DblClick"); });
        QObject::connect(&calendar, &Calendar::keyDown, [this](int code, int shift) {
            log << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        QObject::connect(&calendar, &Calendar::keyPress,
                         [this](int ascii) { log << QStringLiteral("KeyPress %1").arg(ascii); });
        QObject::connect(&calendar, &Calendar::keyUp, [this](int code, int shift) {
            log << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
    }
    QStringList log;
};

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

} // namespace

class TestCalendarWidget : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        Calendar calendar;
        QCOMPARE(calendar.value(), QDate::currentDate());
        QCOMPARE(calendar.property("BackColor").toUInt(), 0xFFFFFFu);
        QCOMPARE(calendar.property("ForeColor").toUInt(), 0x000000u);
        QCOMPARE(calendar.property("TitleBackColor").toUInt(), 0xFF0000u);
        QCOMPARE(calendar.property("TitleForeColor").toUInt(), 0xFFFFFFu);
        QCOMPARE(calendar.property("Enabled").toBool(), true);
        QCOMPARE(calendar.property("BorderStyle").toInt(), 0);
        QCOMPARE(calendar.property("Appearance").toInt(), 1);
        QCOMPARE(calendar.size(), QSize(167, 153));
        calendar.resize(400, 300);
        QCOMPARE(calendar.size(), QSize(167, 153));
    }

    void assigningValueRaisesChangeFalseOnly()
    {
        Calendar calendar;
        Recorder recorder(calendar);
        calendar.setValue(QDate(2011, 8, 10));
        calendar.setProperty("Value", QDate(2011, 8, 10));
        QCOMPARE(recorder.log, (QStringList{"Change false", "Change false"}));
        QCOMPARE(calendar.titleText(), QStringLiteral("août 2011"));
        // Out of range: ignored, without a word.
        calendar.setValue(QDate(10000, 1, 1));
        QCOMPARE(calendar.value(), QDate(2011, 8, 10));
        QCOMPARE(recorder.log.size(), 2);
    }

    void cellClicks_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("grey cell of July") << QDate(2011, 8, 10) << 2 << QDate(2011, 7, 27)
                                           << QStringList{"Change true", "DateClick 2011-07-27", "Click"};
        QTest::newRow("refused after 9999") << QDate(9999, 12, 31) << 41 << QDate(9999, 12, 31)
                                            << QStringList{"DateClick 9999-12-31", "Click"};
    }
    void cellClicks()
    {
        QFETCH(QDate, from);
        QFETCH(int, cell);
        QFETCH(QDate, to);
        QFETCH(QStringList, expected);
        Calendar calendar;
        calendar.setValue(from);
        Recorder recorder(calendar);
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(cell).center());
        QCOMPARE(calendar.value(), to);
        QCOMPARE(recorder.log, expected);
        QCOMPARE(calendar.model().displayedMonth(), to.month());
    }

    void arrows_data()
    {
        QTest::addColumn<int>("arrow");
        QTest::addColumn<int>("button");
        QTest::addColumn<QDate>("to");
        QTest::newRow("back, left button") << 0 << int(Qt::LeftButton) << QDate(2011, 2, 28);
        QTest::newRow("forward, left button") << 1 << int(Qt::LeftButton) << QDate(2011, 4, 30);
        QTest::newRow("back, right button") << 0 << int(Qt::RightButton) << QDate(2010, 3, 31);
        QTest::newRow("forward, middle button") << 1 << int(Qt::MiddleButton) << QDate(2012, 3, 31);
    }
    void arrows()
    {
        QFETCH(int, arrow);
        QFETCH(int, button);
        QFETCH(QDate, to);
        Calendar calendar;
        calendar.setValue(QDate(2011, 3, 31));
        Recorder recorder(calendar);
        QTest::mousePress(&calendar, Qt::MouseButton(button), {}, calendar.arrowRect(arrow).center());
        QCOMPARE(calendar.value(), to);
        QCOMPARE(recorder.log, (QStringList{"Change true"}));
        QTest::mouseRelease(&calendar, Qt::MouseButton(button), {}, calendar.arrowRect(arrow).center());
        QCOMPARE(recorder.log, (QStringList{"Change true"}));
    }

    void backgroundClicks()
    {
        Calendar calendar;
        Recorder recorder(calendar);
        const QPoint gap(calendar.cellRect(0).right() + 2, calendar.cellRect(0).center().y());
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, gap);
        QTest::mouseDClick(&calendar, Qt::LeftButton, {}, gap);
        QVERIFY(recorder.log.value(0) == QLatin1String("Click"));
        QVERIFY(recorder.log.contains("DblClick"));
        QVERIFY(!recorder.log.contains("Change true"));
    }

    void disabledIgnoresMouse()
    {
        Calendar calendar;
        calendar.setValue(QDate(2011, 8, 10));
        calendar.setEnabled(false);
        Recorder recorder(calendar);
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(20).center());
        QTest::mousePress(&calendar, Qt::LeftButton, {}, calendar.arrowRect(1).center());
        QCOMPARE(calendar.value(), QDate(2011, 8, 10));
        QVERIFY(recorder.log.isEmpty());
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << QDate(2011, 8, 11)
                               << QStringList{"Change true", "KeyDown 39 0", "KeyUp 39 0"};
        QTest::newRow("ctrl page down") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << QDate(2012, 8, 10)
                                        << QStringList{"Change true", "KeyDown 34 2", "KeyUp 34 2"};
        QTest::newRow("shift page up") << int(Qt::Key_PageUp) << int(Qt::ShiftModifier) << QDate(2001, 8, 10)
                                       << QStringList{"Change true", "KeyDown 33 1", "KeyUp 33 1"};
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << QDate::currentDate()
                              << QStringList{"Change true", "KeyDown 36 0", "KeyUp 36 0"};
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << QDate(2011, 8, 10)
                                << QStringList{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"};
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QDate, to);
        QFETCH(QStringList, expected);
        Calendar calendar;
        calendar.setValue(QDate(2011, 8, 10));
        Recorder recorder(calendar);
        QTest::keyClick(&calendar, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(calendar.value(), to);
        // The modifier keys themselves are reported as well.
        recorder.log.removeIf([](const QString &line) { return line.contains(QLatin1String(" 16 ")) || line.contains(QLatin1String(" 17 ")); });
        QCOMPARE(recorder.log, expected);
    }

    void refusedKeyStillReportsKeyDown()
    {
        Calendar calendar;
        calendar.setValue(QDate(9999, 12, 31));
        Recorder recorder(calendar);
        QTest::keyClick(&calendar, Qt::Key_Right);
        QCOMPARE(calendar.value(), QDate(9999, 12, 31));
        QCOMPARE(recorder.log, (QStringList{"KeyDown 39 0", "KeyUp 39 0"}));
    }

    void focusUnderlinesTitle()
    {
        QWidget host;
        auto *calendar = new Calendar(&host);
        auto *other = new QWidget(&host);
        other->setFocusPolicy(Qt::StrongFocus);
        other->move(200, 0);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QApplication::setActiveWindow(&host);
        calendar->setFocus();
        QTRY_VERIFY(calendar->titleUnderlined());
        other->setFocus();
        QTRY_VERIFY(!calendar->titleUnderlined());
    }

    void arrowPictures_data()
    {
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QPoint>("tip");
        QTest::addColumn<QPoint>("base");
        QTest::newRow("back enabled") << int(Calendar::Arrow::BackEnabled) << QPoint(8, 7) << QPoint(10, 5);
        QTest::newRow("forward enabled") << int(Calendar::Arrow::ForwardEnabled) << QPoint(11, 7) << QPoint(9, 9);
        QTest::newRow("back disabled") << int(Calendar::Arrow::BackDisabled) << QPoint(8, 7) << QPoint(10, 5);
        QTest::newRow("forward disabled") << int(Calendar::Arrow::ForwardDisabled) << QPoint(11, 7) << QPoint(9, 9);
    }
    void arrowPictures()
    {
        QFETCH(int, arrow);
        QFETCH(QPoint, tip);
        QFETCH(QPoint, base);
        const bool disabled = arrow >= int(Calendar::Arrow::BackDisabled);
        const QRgb color = disabled ? rgb(0x80, 0x80, 0x80) : rgb(0, 0, 0);
        const QImage image = Calendar::arrowImage(Calendar::Arrow(arrow));
        QCOMPARE(image.size(), QSize(20, 15));
        QCOMPARE(image.pixel(4, 4), rgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(image.pixel(tip), color);
        QCOMPARE(image.pixel(base), color);
        QCOMPARE(image.pixel(tip + QPoint(0, -1)), rgb(0xC0, 0xC0, 0xC0)); // a point of one pixel
        // Only the disabled pictures have the white shadow inside the face.
        int white = 0;
        for (int y = 1; y < 13; ++y)
            for (int x = 1; x < 18; ++x)
                white += image.pixel(x, y) == rgb(255, 255, 255);
        QCOMPARE(white, disabled ? 5 : 0);
        if (disabled)
            QCOMPARE(image.pixel(base + QPoint(1, 1)), rgb(255, 255, 255));
    }

    void drawnColours()
    {
        Calendar calendar;
        calendar.setValue(QDate(2011, 8, 10));
        calendar.setTitleBackColor(0x808000);
        calendar.setBackColor(0x00FFFF);
        const QImage image = calendar.grab().toImage();
        QCOMPARE(QColor(image.pixel(2, 28)), QColor(0, 0x80, 0x80));          // title band, teal
        QCOMPARE(QColor(image.pixel(calendar.cellRect(16).topLeft())), QColor(0, 0x80, 0x80)); // selected
        QCOMPARE(QColor(image.pixel(calendar.cellRect(17).topLeft())), QColor(0xFF, 0xFF, 0));  // others
    }

    void accessibility()
    {
        Calendar calendar;
        calendar.setValue(QDate(2011, 8, 10));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&calendar);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Table);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Calendrier"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("10 août 2011"));
        calendar.setAccessibleName(QStringLiteral("Date de départ"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Date de départ"));
    }

};

QTEST_MAIN(TestCalendarWidget)
#include "test_calendar_widget.moc"
