#include "controls/CalendarArithmetic.h"
#include "datecalc/DateInterval.h"
#include "datecalc/IntervalField.h"
#include "datecalc/TargetDate.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

QString lines(const QString &a, const QString &b, const QString &c)
{
    return a + QStringLiteral("\r\n") + b + QStringLiteral("\r\n") + c;
}

QDate randomDate(QRandomGenerator &random)
{
    const qint64 first = CalendarArithmetic::firstDate().toJulianDay();
    const qint64 last = CalendarArithmetic::lastDate().toJulianDay();
    return QDate::fromJulianDay(first + qint64(random.bounded(quint64(last - first + 1))));
}

// Dates on the last days of months, where clamping happens.
QDate randomMonthEnd(QRandomGenerator &random)
{
    const QDate d(100 + int(random.bounded(9900)), 1 + int(random.bounded(12)), 1);
    return QDate(d.year(), d.month(), d.daysInMonth() - int(random.bounded(3)));
}

QDate stepBy(QDate date, DateUnit unit, qint64 count)
{
    for (qint64 i = 0; i < count; ++i)
        date = CalendarArithmetic::move(date, unit, 1).value_or(QDate());
    return date;
}

} // namespace

class TestDateCalculations : public QObject
{
    Q_OBJECT
private slots:
    void interval_data()
    {
        QTest::addColumn<QDate>("a");
        QTest::addColumn<QDate>("b");
        QTest::addColumn<QString>("text");
        QTest::newRow("example") << QDate(2010, 3, 15) << QDate(2011, 5, 20)
                                 << lines("1 année(s) 2 mois et 5 jour(s)", "soit 14 mois et 5 jour(s)",
                                          "soit 431 jour(s)");
        QTest::newRow("same date") << QDate(2011, 8, 10) << QDate(2011, 8, 10)
                                   << lines("0 année(s) 0 mois et 0 jour(s)", "soit 0 mois et 0 jour(s)",
                                            "soit 0 jour(s)");
        QTest::newRow("swapped") << QDate(2011, 5, 20) << QDate(2010, 3, 15)
                                 << lines("1 année(s) 2 mois et 5 jour(s)", "soit 14 mois et 5 jour(s)",
                                          "soit 431 jour(s)");
        QTest::newRow("31 January to 1 March") << QDate(2011, 1, 31) << QDate(2011, 3, 1)
                                               << lines("0 année(s) 1 mois et 1 jour(s)",
                                                        "soit 1 mois et 1 jour(s)", "soit 29 jour(s)");
        QTest::newRow("31 January to 20 February") << QDate(2011, 1, 31) << QDate(2011, 2, 20)
                                                   << lines("0 année(s) 0 mois et 20 jour(s)",
                                                            "soit 0 mois et 20 jour(s)", "soit 20 jour(s)");
        // Month steps from 31 January stay on the 28th once clamped.
        QTest::newRow("clamping accumulates") << QDate(2011, 1, 31) << QDate(2012, 1, 30)
                                              << lines("0 année(s) 12 mois et 2 jour(s)",
                                                       "soit 12 mois et 2 jour(s)", "soit 364 jour(s)");
        QTest::newRow("29 February, year steps") << QDate(2012, 2, 29) << QDate(2016, 2, 29)
                                                 << lines("4 année(s) 0 mois et 1 jour(s)",
                                                          "soit 48 mois et 1 jour(s)", "soit 1461 jour(s)");
        QTest::newRow("last day alone") << QDate(9999, 12, 31) << QDate(9999, 12, 31)
                                        << lines("0 année(s) 0 mois et 0 jour(s)", "soit 0 mois et 0 jour(s)",
                                                 "soit 0 jour(s)");
        QTest::newRow("last year") << QDate(9999, 1, 1) << QDate(9999, 12, 31)
                                   << lines("0 année(s) 11 mois et 30 jour(s)", "soit 11 mois et 30 jour(s)",
                                            "soit 364 jour(s)");
        QTest::newRow("last two days") << QDate(9999, 12, 30) << QDate(9999, 12, 31)
                                       << lines("0 année(s) 0 mois et 1 jour(s)", "soit 0 mois et 1 jour(s)",
                                                "soit 1 jour(s)");
        // The year step from 31 January 9999 would leave the range.
        QTest::newRow("month steps near the end") << QDate(9999, 1, 31) << QDate(9999, 12, 31)
                                                  << lines("0 année(s) 11 mois et 3 jour(s)",
                                                           "soit 11 mois et 3 jour(s)", "soit 334 jour(s)");
        QTest::newRow("whole range") << QDate(100, 1, 1) << QDate(9999, 12, 31)
                                     << lines("9899 année(s) 11 mois et 30 jour(s)",
                                              "soit 118799 mois et 30 jour(s)", "soit 3615899 jour(s)");
        QTest::newRow("first days") << QDate(100, 1, 1) << QDate(100, 2, 1)
                                    << lines("0 année(s) 1 mois et 0 jour(s)", "soit 1 mois et 0 jour(s)",
                                             "soit 31 jour(s)");
    }
    void interval()
    {
        QFETCH(QDate, a);
        QFETCH(QDate, b);
        QFETCH(QString, text);
        QCOMPARE(computeInterval(a, b).text(), text);
    }

    // For random pairs: the total days are the day difference, and adding the
    // years, then months, then days back to the earlier date one unit at a
    // time lands exactly on the later date without ever passing it.
    void intervalProperties()
    {
        QRandomGenerator random(20111);
        for (int i = 0; i < 3000; ++i) {
            QDate a = i % 3 == 0 ? randomMonthEnd(random) : randomDate(random);
            QDate b = i % 2 == 0 ? randomDate(random)
                                 : CalendarArithmetic::move(a, DateUnit::Day, qint64(random.bounded(800)) - 400)
                                       .value_or(a);
            const DateInterval interval = computeInterval(a, b);
            const QDate start = std::min(a, b);
            const QDate end = std::max(a, b);
            const QString context = QStringLiteral("%1 %2").arg(a.toString(Qt::ISODate), b.toString(Qt::ISODate));
            QVERIFY2(interval.years >= 0 && interval.months >= 0 && interval.days >= 0, qPrintable(context));
            QVERIFY2(interval.totalDays == start.daysTo(end), qPrintable(context));
            QVERIFY2(interval.totalMonths == interval.years * 12 + interval.months, qPrintable(context));
            const QDate afterYears = stepBy(start, DateUnit::Year, interval.years);
            QVERIFY2(afterYears.isValid() && afterYears <= end, qPrintable(context));
            const QDate afterMonths = stepBy(afterYears, DateUnit::Month, interval.months);
            QVERIFY2(afterMonths.isValid() && afterMonths <= end, qPrintable(context));
            QVERIFY2(stepBy(afterMonths, DateUnit::Day, interval.days) == end, qPrintable(context));
            // Each count is the largest that fits.
            const auto oneMore = [&](const QDate &d, DateUnit unit) {
                const std::optional<QDate> next = CalendarArithmetic::move(d, unit, 1);
                return !next || *next > end;
            };
            QVERIFY2(oneMore(afterYears, DateUnit::Year), qPrintable(context));
            QVERIFY2(oneMore(afterMonths, DateUnit::Month), qPrintable(context));
        }
    }

    void targetDate_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QDate>("expected"); // null: out of range
        QTest::newRow("month then day") << QDate(2011, 1, 31) << true << "0" << "1" << "1" << QDate(2011, 3, 1);
        QTest::newRow("subtract a year from 29 February") << QDate(2012, 2, 29) << false << "1" << "0" << "0"
                                                          << QDate(2011, 2, 28);
        QTest::newRow("year then month") << QDate(2011, 1, 31) << true << "1" << "1" << "0" << QDate(2012, 2, 29);
        QTest::newRow("nothing") << QDate(2011, 8, 10) << true << "0" << "0" << "0" << QDate(2011, 8, 10);
        QTest::newRow("negative with add") << QDate(2011, 5, 31) << true << "0" << "-3" << "0" << QDate(2011, 2, 28);
        QTest::newRow("negative with subtract") << QDate(2011, 5, 31) << false << "0" << "-1" << "-1"
                                                << QDate(2011, 7, 1);
        QTest::newRow("subtract all three") << QDate(2011, 3, 31) << false << "1" << "1" << "1" << QDate(2010, 2, 27);
        QTest::newRow("many days") << QDate(2011, 1, 1) << true << "0" << "0" << "365" << QDate(2012, 1, 1);
        QTest::newRow("day past the end") << QDate(9999, 12, 31) << true << "0" << "0" << "1" << QDate();
        QTest::newRow("day before the start") << QDate(100, 1, 1) << false << "0" << "0" << "1" << QDate();
        QTest::newRow("to the last day") << QDate(9998, 12, 31) << true << "1" << "0" << "0" << QDate(9999, 12, 31);
        QTest::newRow("to the first day") << QDate(101, 2, 1) << false << "1" << "1" << "0" << QDate(100, 1, 1);
        // A step leaving the range ends the computation even if later steps
        // would come back.
        QTest::newRow("out and back") << QDate(9999, 6, 1) << true << "1" << "-12" << "0" << QDate();
        QTest::newRow("huge count") << QDate(2011, 1, 1) << true << "1e30" << "0" << "0" << QDate();
        QTest::newRow("huge day count") << QDate(2011, 1, 1) << false << "0" << "0" << "4e6" << QDate();
        QTest::newRow("text read from its start") << QDate(2011, 1, 1) << true << "2ans" << "x" << "" << QDate(2013, 1, 1);
        QTest::newRow("half rounds to even") << QDate(2011, 1, 1) << true << "2.5" << "1.5" << "0.4"
                                              << QDate(2013, 3, 1);
        QTest::newRow("above half rounds up") << QDate(2011, 1, 1) << true << "0" << "0" << "1.6" << QDate(2011, 1, 3);
    }
    void targetDate()
    {
        QFETCH(QDate, start);
        QFETCH(bool, add);
        QFETCH(QString, years);
        QFETCH(QString, months);
        QFETCH(QString, days);
        QFETCH(QDate, expected);
        const std::optional<QDate> result = computeTargetDate(start, add, years, months, days);
        QCOMPARE(result.has_value(), expected.isValid());
        if (result)
            QCOMPARE(*result, expected);
    }

    void fieldRules_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lastValid");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("newLastValid");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "fr_FR" << "" << "5" << "0" << "0" << true;
        QTest::newRow("whole number") << "fr_FR" << "12" << "1" << "12" << "12" << true;
        QTest::newRow("negative") << "fr_FR" << "-3" << "0" << "-3" << "-3" << true;
        QTest::newRow("decimal comma keeps the whole part") << "fr_FR" << "1,5" << "1" << "1" << "1" << true;
        QTest::newRow("point refused in French") << "fr_FR" << "1.5" << "7" << "7" << "7" << false;
        QTest::newRow("point kept where it is the separator") << "C" << "1.5" << "1" << "1.5" << "1.5" << true;
        QTest::newRow("letters refused") << "fr_FR" << "12a" << "12" << "12" << "12" << false;
        QTest::newRow("lone minus refused") << "fr_FR" << "-" << "0" << "0" << "0" << false;
        QTest::newRow("leading zeros") << "fr_FR" << "007" << "0" << "7" << "7" << true;
        QTest::newRow("plus sign") << "fr_FR" << "+4" << "0" << "4" << "4" << true;
        QTest::newRow("exponent") << "fr_FR" << "1e3" << "0" << "1000" << "1000" << true;
        QTest::newRow("small exponent") << "fr_FR" << "1e-1" << "0" << "0" << "0" << true;
        QTest::newRow("negative zero") << "fr_FR" << "-0" << "3" << "0" << "0" << true;
    }
    void fieldRules()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, lastValid);
        QFETCH(QString, shown);
        QFETCH(QString, newLastValid);
        QFETCH(bool, accepted);
        const IntervalField::Update update = IntervalField::apply(typed, lastValid, QLocale(locale));
        QCOMPARE(update.text, shown);
        QCOMPARE(update.lastValid, newLastValid);
        QCOMPARE(update.accepted, accepted);
    }
};

QTEST_APPLESS_MAIN(TestDateCalculations)
#include "test_date_calculations.moc"
