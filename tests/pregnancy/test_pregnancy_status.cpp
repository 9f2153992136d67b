#include "pregnancy/PregnancyStatus.h"

#include <QTest>

namespace {

const QString kMarker = QStringLiteral("e SG     ");

QString during(int week, int months, int days)
{
    return QString::number(week) + kMarker + QString::number(months) + QStringLiteral(" mois ")
        + QString::number(days) + QStringLiteral(" jour(s).");
}

// A second way of counting, by year and month numbers and Julian days, to
// check the status of every day of a pregnancy.
QDate monthStep(int year, int month, int day, int steps)
{
    const int index = year * 12 + (month - 1) + steps;
    const int y = index / 12;
    const int m = index % 12 + 1;
    return QDate(y, m, std::min(day, QDate(y, m, 1).daysInMonth()));
}

QString expectedStatus(const QDate &start, const QDate &day)
{
    const QDate term = monthStep(start.year(), start.month(), start.day(), 9);
    const qint64 n = day.toJulianDay() - start.toJulianDay();
    if (n < 0)
        return QStringLiteral("Grossesse pas encore débutée !");
    if (n == 0)
        return QStringLiteral("Conception !");
    if (day == term)
        return QStringLiteral("A terme !");
    if (day > term)
        return QStringLiteral("Terme dépassé de ") + QString::number(day.toJulianDay() - term.toJulianDay())
            + QStringLiteral(" jour(s)");
    // Anniversaries carry the smallest day number met so far.
    int anniversaryDay = start.day();
    QDate lastNotAfter = start;
    int months = 0;
    for (int k = 1;; ++k) {
        const QDate candidate = monthStep(start.year(), start.month(), anniversaryDay, k);
        anniversaryDay = std::min(anniversaryDay, candidate.day());
        if (candidate > day)
            break;
        lastNotAfter = candidate;
        months = k;
    }
    const qint64 days = day.toJulianDay() - lastNotAfter.toJulianDay() + 1;
    return during(static_cast<int>(n / 7 + 1), months, static_cast<int>(days));
}

} // namespace

class TestPregnancyStatus : public QObject
{
    Q_OBJECT
private slots:
    void examples_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("expected");

        const QDate g(2009, 1, 15);
        QTest::newRow("day before") << g << QDate(2009, 1, 14) << "Grossesse pas encore débutée !";
        QTest::newRow("conception") << g << g << "Conception !";
        QTest::newRow("term") << g << QDate(2009, 10, 15) << "A terme !";
        QTest::newRow("5 days past") << g << QDate(2009, 10, 20) << "Terme dépassé de 5 jour(s)";
        QTest::newRow("next day") << g << QDate(2009, 1, 16) << during(1, 0, 2);
        QTest::newRow("first anniversary") << g << QDate(2009, 2, 15) << during(5, 1, 1);
        QTest::newRow("20 March") << g << QDate(2009, 3, 20) << "10e SG     2 mois 6 jour(s).";
        QTest::newRow("clamped anniversaries") << QDate(2009, 1, 31) << QDate(2009, 3, 30) << during(9, 2, 3);
        // After the clamped 28 February the count restarts from 31 January, not
        // from 28 January, so the first of February is the second day.
        QTest::newRow("day after a month-end start") << QDate(2009, 1, 31) << QDate(2009, 2, 1) << "1e SG     0 mois 2 jour(s).";
        QTest::newRow("clamped anniversary") << QDate(2009, 1, 31) << QDate(2009, 2, 28) << during(5, 1, 1);
        QTest::newRow("leap day start, anniversary") << QDate(2008, 2, 29) << QDate(2008, 3, 29) << during(5, 1, 1);
        QTest::newRow("leap day start, term") << QDate(2008, 2, 29) << QDate(2008, 11, 29) << "A terme !";
        QTest::newRow("31 May start, clamped term") << QDate(2009, 5, 31) << QDate(2010, 2, 28) << "A terme !";
        QTest::newRow("31 May start, past term") << QDate(2009, 5, 31) << QDate(2010, 3, 1) << "Terme dépassé de 1 jour(s)";
    }

    void examples()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, day);
        QFETCH(QString, expected);
        QCOMPARE(PregnancyStatus::actualiseDatation(start, day), expected);
    }

    void noStart_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::newRow("today") << QDate::currentDate();
        QTest::newRow("a past day") << QDate(2009, 1, 16);
    }

    void noStart()
    {
        QFETCH(QDate, day);
        QCOMPARE(PregnancyStatus::actualiseDatation(std::nullopt, day), QString());
        QCOMPARE(PregnancyStatus::actualiseDatation(QDate(), day), QString());
    }

    void wholePregnancy_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::newRow("15 January") << QDate(2009, 1, 15);
        QTest::newRow("31 January") << QDate(2009, 1, 31);
        QTest::newRow("30 January before a leap February") << QDate(2012, 1, 30);
        QTest::newRow("leap day") << QDate(2008, 2, 29);
        QTest::newRow("31 May, term clamped") << QDate(2009, 5, 31);
        QTest::newRow("31 July") << QDate(2009, 7, 31);
        QTest::newRow("31 December across years") << QDate(2010, 12, 31);
        QTest::newRow("first of a month") << QDate(2011, 3, 1);
    }

    void wholePregnancy()
    {
        QFETCH(QDate, start);
        const QDate term = start.addMonths(9);
        QVERIFY(start.daysTo(term) > 270);
        for (QDate day = start.addDays(-3); day <= term.addDays(3); day = day.addDays(1))
            QCOMPARE(PregnancyStatus::actualiseDatation(start, day), expectedStatus(start, day));
    }
};

QTEST_GUILESS_MAIN(TestPregnancyStatus)
#include "test_pregnancy_status.moc"
