#include "pregnancy/PregnancyDating.h"
#include "pregnancy/PregnancyStatus.h"

#include <QTest>

using PregnancyDating::Input;
using PregnancyDating::Method;

Q_DECLARE_METATYPE(PregnancyDating::Method)
Q_DECLARE_METATYPE(PregnancyDating::Input)

namespace {
PregnancyDating::Entry entry(Method method, const QString &date, const QString &number)
{
    PregnancyDating::Entry e;
    e.method = method;
    (method == Method::LastPeriod ? e.lastPeriod : e.scanDate) = date;
    (method == Method::LastPeriod ? e.cycle : e.lcc) = number;
    return e;
}
} // namespace

class TestPregnancyDating : public QObject
{
    Q_OBJECT
private slots:
    void dates_data()
    {
        QTest::addColumn<Method>("method");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QDate>("ddr");
        QTest::addColumn<QDate>("ddg");
        QTest::addColumn<QDate>("term");
        QTest::addColumn<QString>("age"); // empty for the last-period method

        const Method period = Method::LastPeriod;
        const Method scan = Method::Scan;
        QTest::newRow("cycle 35") << period << "16/02/2026" << "35" << QDate(2026, 2, 16) << QDate(2026, 3, 9)
                                  << QDate(2026, 12, 9) << "";
        QTest::newRow("cycle 24") << period << "16/02/2026" << "24" << QDate(2026, 2, 16) << QDate(2026, 2, 26)
                                  << QDate(2026, 11, 26) << "";
        QTest::newRow("shortest cycle") << period << "16/2/26" << " 20 " << QDate(2026, 2, 16) << QDate(2026, 2, 22)
                                        << QDate(2026, 11, 22) << "";
        QTest::newRow("longest cycle") << period << "16.02.2026" << "45" << QDate(2026, 2, 16) << QDate(2026, 3, 19)
                                       << QDate(2026, 12, 19) << "";
        QTest::newRow("cycle 28, clamped term") << period << "17/05/2009" << "28" << QDate(2009, 5, 17)
                                                << QDate(2009, 5, 31) << QDate(2010, 2, 28) << "";
        QTest::newRow("LCC 45") << scan << "11/05/2026" << "45" << QDate(2026, 2, 22) << QDate(2026, 3, 8)
                                << QDate(2026, 12, 8) << "11 SA + 1 j";
        QTest::newRow("LCC 60") << scan << "11/05/2026" << "60" << QDate(2026, 2, 14) << QDate(2026, 2, 28)
                                << QDate(2026, 11, 28) << "12 SA + 2 j";
        // 30,915 mm is where 68 days round up to 69: the decimals count.
        QTest::newRow("LCC 30,9") << scan << "11/05/2026" << "30,9" << QDate(2026, 3, 4) << QDate(2026, 3, 18)
                                  << QDate(2026, 12, 18) << "9 SA + 5 j";
        QTest::newRow("LCC 30,95") << scan << "11/05/2026" << "30,95" << QDate(2026, 3, 3) << QDate(2026, 3, 17)
                                   << QDate(2026, 12, 17) << "9 SA + 6 j";
        QTest::newRow("LCC 10") << scan << "11/05/2026" << "10" << QDate(2026, 3, 23) << QDate(2026, 4, 6)
                                << QDate(2027, 1, 6) << "7 SA + 0 j";
        QTest::newRow("LCC 84") << scan << "11/05/2026" << " 84,0 " << QDate(2026, 2, 2) << QDate(2026, 2, 16)
                                << QDate(2026, 11, 16) << "14 SA + 0 j";
    }

    void dates()
    {
        QFETCH(Method, method);
        QFETCH(QString, date);
        QFETCH(QString, number);
        QFETCH(QDate, ddr);
        QFETCH(QDate, ddg);
        QFETCH(QDate, term);
        QFETCH(QString, age);

        const PregnancyDating::Outcome outcome = PregnancyDating::evaluate(entry(method, date, number));
        QVERIFY2(outcome.dating, qPrintable(outcome.message));
        QCOMPARE(outcome.dating->ddr, ddr);
        QCOMPARE(outcome.dating->ddg, ddg);
        QCOMPARE(outcome.dating->term, term);
        QCOMPARE(outcome.dating->gestationalAge.has_value(), !age.isEmpty());
        if (!age.isEmpty())
            QCOMPARE(PregnancyStatus::weeksOfAmenorrhoea(*outcome.dating->gestationalAge), age);
    }

    // Each refusal names the input to correct.
    void refusals_data()
    {
        QTest::addColumn<Method>("method");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("number");
        QTest::addColumn<Input>("input");
        QTest::addColumn<QString>("named");

        const Method period = Method::LastPeriod;
        const Method scan = Method::Scan;
        QTest::newRow("no last period") << period << "" << "28" << Input::LastPeriod << "dernières règles";
        QTest::newRow("31 February") << period << "31/02/2026" << "28" << Input::LastPeriod << "dernières règles";
        QTest::newRow("cycle 19") << period << "16/02/2026" << "19" << Input::Cycle << "cycle";
        QTest::newRow("cycle 46") << period << "16/02/2026" << "46" << Input::Cycle << "cycle";
        QTest::newRow("cycle with decimals") << period << "16/02/2026" << "28,5" << Input::Cycle << "cycle";
        QTest::newRow("no cycle") << period << "16/02/2026" << "" << Input::Cycle << "cycle";
        QTest::newRow("start past the calendar") << period << "25/12/9999" << "28" << Input::LastPeriod
                                                 << "dernières règles";
        QTest::newRow("term past the calendar") << period << "01/05/9999" << "28" << Input::LastPeriod
                                                << "dernières règles";
        QTest::newRow("no scan date") << scan << "" << "45" << Input::ScanDate << "échographie";
        QTest::newRow("scan date as text") << scan << "demain" << "45" << Input::ScanDate << "échographie";
        QTest::newRow("LCC 9,9") << scan << "11/05/2026" << "9,9" << Input::Lcc << "LCC";
        QTest::newRow("LCC 84,1") << scan << "11/05/2026" << "84,1" << Input::Lcc << "LCC";
        QTest::newRow("LCC not a number") << scan << "11/05/2026" << "45 mm" << Input::Lcc << "LCC";
        QTest::newRow("no LCC") << scan << "11/05/2026" << "" << Input::Lcc << "LCC";
        QTest::newRow("last period before the calendar") << scan << "01/02/0100" << "45" << Input::ScanDate
                                                         << "échographie";
    }

    void refusals()
    {
        QFETCH(Method, method);
        QFETCH(QString, date);
        QFETCH(QString, number);
        QFETCH(Input, input);
        QFETCH(QString, named);

        const PregnancyDating::Outcome outcome = PregnancyDating::evaluate(entry(method, date, number));
        QVERIFY(!outcome.dating);
        QCOMPARE(outcome.input, input);
        QVERIFY2(outcome.message.contains(named), qPrintable(outcome.message));
    }

    // Start 15/01/2009, last period 01/01/2009 (or a later one typed), term 15/10/2009.
    void amenorrhoea_data()
    {
        QTest::addColumn<QDate>("ddr");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("expected");

        const QDate ddr(2009, 1, 1);
        const QDate start(2009, 1, 15);
        QTest::newRow("day before the start") << ddr << start << QDate(2009, 1, 14) << "";
        QTest::newRow("conception") << ddr << start << start << "2 SA + 0 j";
        QTest::newRow("20 March") << ddr << start << QDate(2009, 3, 20) << "11 SA + 1 j";
        QTest::newRow("day before the term") << ddr << start << QDate(2009, 10, 14) << "40 SA + 6 j";
        QTest::newRow("term") << ddr << start << QDate(2009, 10, 15) << "";
        QTest::newRow("past the term") << ddr << start << QDate(2009, 11, 1) << "";
        QTest::newRow("later last period") << QDate(2009, 1, 5) << start << QDate(2009, 3, 20) << "10 SA + 4 j";
        QTest::newRow("last period after the day") << QDate(2009, 3, 21) << start << QDate(2009, 3, 20) << "";
        QTest::newRow("no last period") << QDate() << start << QDate(2009, 3, 20) << "";
        QTest::newRow("no start") << ddr << QDate() << QDate(2009, 3, 20) << "";
    }

    void amenorrhoea()
    {
        QFETCH(QDate, ddr);
        QFETCH(QDate, start);
        QFETCH(QDate, day);
        QFETCH(QString, expected);
        const auto given = [](const QDate &d) { return d.isValid() ? std::optional<QDate>(d) : std::nullopt; };
        QCOMPARE(PregnancyStatus::amenorrhoea(given(ddr), given(start), day), expected);
    }
};

QTEST_GUILESS_MAIN(TestPregnancyDating)
#include "test_pregnancy_dating.moc"
