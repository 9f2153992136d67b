#include "controls/CalendarArithmetic.h"
#include "controls/CalendarModel.h"
#include "controls/VirtualKeyCode.h"

#include <QtTest>

namespace {
using Cells = QList<int>;

Cells numbers(const CalendarModel &model)
{
    Cells out;
    for (int cell = 0; cell < CalendarModel::CellCount; ++cell)
        out << model.cellNumber(cell);
    return out;
}

Cells run(int from, int to)
{
    Cells out;
    for (int n = from; n <= to; ++n)
        out << n;
    return out;
}
} // namespace

class TestCalendarModel : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QDate>("value");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("selected");
        QTest::addColumn<Cells>("cells");
        // August 2011 begins on a Monday: a whole week of July comes first.
        QTest::newRow("month starting on Monday") << QDate(2011, 8, 10) << 7 << 37 << 16
                                                   << run(25, 31) + run(1, 31) + run(1, 4);
        // 1 January 100 is a Friday; the month before counts 31 days.
        QTest::newRow("first month of the range") << QDate(100, 1, 1) << 4 << 34 << 4
                                                   << run(28, 31) + run(1, 31) + run(1, 7);
        // 1 December 9999 is a Wednesday; the cells after it count up from 1.
        QTest::newRow("last month of the range") << QDate(9999, 12, 31) << 2 << 32 << 32
                                                  << run(29, 30) + run(1, 31) + run(1, 9);
    }
    void layout()
    {
        QFETCH(QDate, value);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, selected);
        QFETCH(Cells, cells);
        const CalendarModel model(value);
        QCOMPARE(model.displayedMonth(), value.month());
        QCOMPARE(model.displayedYear(), value.year());
        QCOMPARE(model.firstDayCell(), first);
        QCOMPARE(model.lastDayCell(), last);
        QCOMPARE(model.selectedCell(), selected);
        QCOMPARE(numbers(model), cells);
    }

    // Every month of one whole 400-year cycle: each cell shows the day number
    // of the date it stands for, Monday first, and 1 to 7 days of the previous
    // month are always visible.
    void gregorianCycle()
    {
        for (int year = 2000; year < 2400; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const QDate first(year, month, 1);
                const CalendarModel model(first.addDays(year % 28));
                const int firstCell = model.firstDayCell();
                QVERIFY(firstCell >= 1 && firstCell <= 7);
                const QDate start = first.addDays(-firstCell);
                QCOMPARE(start.dayOfWeek(), 1);
                QCOMPARE(model.lastDayCell(), firstCell + first.daysInMonth() - 1);
                for (int cell = 0; cell < CalendarModel::CellCount; ++cell) {
                    const QDate shown = start.addDays(cell);
                    if (model.cellNumber(cell) != shown.day() || model.isShownMonthCell(cell) != (shown.month() == month))
                        QFAIL(qPrintable(QStringLiteral("%1-%2 cell %3").arg(year).arg(month).arg(cell)));
                }
                QCOMPARE(start.addDays(model.selectedCell()), model.value());
            }
        }
    }

    void cellColors()
    {
        CalendarModel model(QDate(2011, 8, 10));
        model.setColors({0x00FFFF, 0x123456, 0x808000, 0x0000FF});
        QCOMPARE(model.cellTextColor(0), CalendarModel::NeighbourGrey);
        QCOMPARE(model.cellBackColor(0), quint32(0x00FFFF));
        QCOMPARE(model.cellTextColor(7), quint32(0x123456));
        QCOMPARE(model.cellTextColor(16), quint32(0x0000FF));
        QCOMPARE(model.cellBackColor(16), quint32(0x808000));
        QCOMPARE(model.cellTextColor(38), CalendarModel::NeighbourGrey);
        QCOMPARE(model.cellBackColor(41), quint32(0x00FFFF));
    }

    void title_data()
    {
        QTest::addColumn<QDate>("value");
        QTest::addColumn<QString>("title");
        QTest::newRow("août") << QDate(2011, 8, 1) << QStringLiteral("août 2011");
        QTest::newRow("février") << QDate(2012, 2, 29) << QStringLiteral("février 2012");
        QTest::newRow("décembre") << QDate(9999, 12, 31) << QStringLiteral("décembre 9999");
        QTest::newRow("year 100") << QDate(100, 1, 1) << QStringLiteral("janvier 100");
    }
    void title()
    {
        QFETCH(QDate, value);
        QFETCH(QString, title);
        QCOMPARE(CalendarModel(value).title(), title);
    }

    void keys_data()
    {
        using namespace VirtualKeyCode;
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QDate>("to");
        QTest::newRow("left") << QDate(2011, 8, 1) << int(Left) << 0 << QDate(2011, 7, 31);
        QTest::newRow("right") << QDate(2011, 8, 31) << int(Right) << 0 << QDate(2011, 9, 1);
        QTest::newRow("up") << QDate(2011, 8, 3) << int(Up) << 0 << QDate(2011, 7, 27);
        QTest::newRow("down") << QDate(2011, 8, 30) << int(Down) << 0 << QDate(2011, 9, 6);
        QTest::newRow("right with shift") << QDate(2011, 8, 1) << int(Right) << 1 << QDate(2011, 8, 2);
        QTest::newRow("page down clamps") << QDate(2011, 1, 31) << int(Next) << 0 << QDate(2011, 2, 28);
        QTest::newRow("page down leap") << QDate(2012, 1, 31) << int(Next) << 0 << QDate(2012, 2, 29);
        QTest::newRow("ctrl page down") << QDate(2012, 2, 29) << int(Next) << 2 << QDate(2013, 2, 28);
        QTest::newRow("ctrl page up") << QDate(2012, 2, 29) << int(Prior) << 2 << QDate(2011, 2, 28);
        QTest::newRow("shift page down") << QDate(2011, 8, 10) << int(Next) << 1 << QDate(2021, 8, 10);
        QTest::newRow("shift page up") << QDate(2011, 8, 10) << int(Prior) << 1 << QDate(2001, 8, 10);
        QTest::newRow("ctrl shift page up") << QDate(2011, 3, 31) << int(Prior) << 3 << QDate(2011, 2, 28);
        QTest::newRow("alt page up") << QDate(2011, 3, 15) << int(Prior) << 4 << QDate(2011, 2, 15);
        QTest::newRow("home") << QDate(2011, 3, 15) << int(Home) << 0 << QDate(2020, 6, 1);
        QTest::newRow("home on today still counts") << QDate(2020, 6, 1) << int(Home) << 0 << QDate(2020, 6, 1);
    }
    void keys()
    {
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(int, mask);
        QFETCH(QDate, to);
        CalendarModel model(from);
        QVERIFY(model.handleKey(key, mask, QDate(2020, 6, 1)));
        QCOMPARE(model.value(), to);
        QCOMPARE(model.displayedMonth(), to.month());
        QCOMPARE(model.displayedYear(), to.year());
        QCOMPARE(model.cellNumber(model.selectedCell()), to.day());
    }

    void refusedAtLimits_data()
    {
        using namespace VirtualKeyCode;
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mask");
        QTest::newRow("right on the last day") << QDate(9999, 12, 31) << int(Right) << 0;
        QTest::newRow("left on the first day") << QDate(100, 1, 1) << int(Left) << 0;
        QTest::newRow("down in the last week") << QDate(9999, 12, 25) << int(Down) << 0;
        QTest::newRow("up in the first week") << QDate(100, 1, 7) << int(Up) << 0;
        QTest::newRow("shift page down near the end") << QDate(9991, 6, 1) << int(Next) << 1;
        QTest::newRow("ctrl page up in year 100") << QDate(100, 12, 31) << int(Prior) << 2;
        QTest::newRow("page down in December 9999") << QDate(9999, 12, 1) << int(Next) << 0;
        QTest::newRow("page up in January 100") << QDate(100, 1, 31) << int(Prior) << 0;
        QTest::newRow("end is no key of the calendar") << QDate(2020, 6, 1) << int(End) << 0;
        QTest::newRow("nor is a letter") << QDate(2020, 6, 1) << int('A') << 0;
    }
    void refusedAtLimits()
    {
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(int, mask);
        CalendarModel model(from);
        const Cells before = numbers(model);
        const int selected = model.selectedCell();
        QVERIFY(!model.handleKey(key, mask, QDate(2020, 1, 1)));
        QCOMPARE(model.value(), from);
        QCOMPARE(model.selectedCell(), selected);
        QCOMPARE(numbers(model), before);
    }

    void clickCells_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QDate>("to");
        QTest::newRow("selected cell") << QDate(2011, 8, 10) << 16 << true << QDate(2011, 8, 10);
        QTest::newRow("same month") << QDate(2011, 8, 10) << 37 << true << QDate(2011, 8, 31);
        QTest::newRow("grey cell of the previous month") << QDate(2011, 8, 10) << 0 << true << QDate(2011, 7, 25);
        QTest::newRow("grey cell of the next month") << QDate(2011, 8, 10) << 41 << true << QDate(2011, 9, 4);
        QTest::newRow("after 31 December 9999") << QDate(9999, 12, 20) << 33 << false << QDate(9999, 12, 20);
        QTest::newRow("before 1 January 100") << QDate(100, 1, 20) << 3 << false << QDate(100, 1, 20);
    }
    void clickCells()
    {
        QFETCH(QDate, from);
        QFETCH(int, cell);
        QFETCH(bool, moved);
        QFETCH(QDate, to);
        CalendarModel model(from);
        QCOMPARE(model.clickCell(cell), moved);
        QCOMPARE(model.value(), to);
    }

    void setValueRefusesOutOfRange_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::newRow("after the range") << QDate(10000, 1, 1);
        QTest::newRow("before the range") << QDate(99, 12, 31);
        QTest::newRow("null") << QDate();
    }
    void setValueRefusesOutOfRange()
    {
        QFETCH(QDate, date);
        CalendarModel model(QDate(2011, 8, 10));
        QVERIFY(!model.setValue(date));
        QCOMPARE(model.value(), QDate(2011, 8, 10));
    }

    // Shared with the date calculator, whose tables hold most cases.
    void arithmetic_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QDate>("to"); // null: refused
        const int d = int(DateUnit::Day), m = int(DateUnit::Month), y = int(DateUnit::Year);
        QTest::newRow("31 Jan + 1 month") << QDate(2011, 1, 31) << m << qint64(1) << QDate(2011, 2, 28);
        QTest::newRow("29 Feb + 1 year") << QDate(2012, 2, 29) << y << qint64(1) << QDate(2013, 2, 28);
        QTest::newRow("months across years") << QDate(2011, 11, 15) << m << qint64(-23) << QDate(2009, 12, 15);
        QTest::newRow("past the last day") << QDate(9999, 12, 31) << d << qint64(1) << QDate();
        QTest::newRow("before the first day") << QDate(100, 1, 1) << d << qint64(-1) << QDate();
        QTest::newRow("past the last month") << QDate(9999, 12, 1) << m << qint64(1) << QDate();
        QTest::newRow("whole range in days") << QDate(100, 1, 1) << d << qint64(3615899) << QDate(9999, 12, 31);
        QTest::newRow("huge negative months") << QDate(2000, 1, 1) << m << -(qint64(1) << 60) << QDate();
        QTest::newRow("huge years") << QDate(2000, 1, 1) << y << (qint64(1) << 40) << QDate();
    }
    void arithmetic()
    {
        QFETCH(QDate, from);
        QFETCH(int, unit);
        QFETCH(qint64, n);
        QFETCH(QDate, to);
        const std::optional<QDate> moved = CalendarArithmetic::move(from, DateUnit(unit), n);
        QCOMPARE(moved.has_value(), to.isValid());
        if (moved)
            QCOMPARE(*moved, to);
    }
};

QTEST_APPLESS_MAIN(TestCalendarModel)
#include "test_calendar_model.moc"
