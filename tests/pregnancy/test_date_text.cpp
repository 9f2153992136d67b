#include "pregnancy/DateText.h"

#include <QTest>

class TestDateText : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected"); // invalid: not a date

        QTest::newRow("slashes") << "15/01/2009" << QDate(2009, 1, 15);
        QTest::newRow("one-digit everything") << "1/2/9" << QDate(2009, 2, 1);
        QTest::newRow("dashes") << "1-2-2009" << QDate(2009, 2, 1);
        QTest::newRow("dots") << "01.02.09" << QDate(2009, 2, 1);
        QTest::newRow("spaces") << "1 2 2009" << QDate(2009, 2, 1);
        QTest::newRow("several spaces") << "1   2  2009" << QDate(2009, 2, 1);
        QTest::newRow("spaces around separator") << " 3 / 4 / 2010 " << QDate(2010, 4, 3);
        QTest::newRow("mixed separators") << "3/4-2010" << QDate(2010, 4, 3);
        QTest::newRow("day first, not month first") << "12/01/2009" << QDate(2009, 1, 12);
        QTest::newRow("window low end 00") << "1/1/00" << QDate(2000, 1, 1);
        QTest::newRow("window 29 is 2029") << "1/1/29" << QDate(2029, 1, 1);
        QTest::newRow("window 30 is 1930") << "1/1/30" << QDate(1930, 1, 1);
        QTest::newRow("window 99 is 1999") << "31/12/99" << QDate(1999, 12, 31);
        QTest::newRow("leap day") << "29/02/2008" << QDate(2008, 2, 29);
        QTest::newRow("first day of range") << "01/01/0100" << QDate(100, 1, 1);
        QTest::newRow("last day of range") << "31/12/9999" << QDate(9999, 12, 31);

        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("blank") << "   " << QDate();
        QTest::newRow("no leap day") << "29/02/2009" << QDate();
        QTest::newRow("31 April") << "31/04/2009" << QDate();
        QTest::newRow("month 13") << "1/13/2009" << QDate();
        QTest::newRow("day 0") << "0/1/2009" << QDate();
        QTest::newRow("two parts") << "1/2" << QDate();
        QTest::newRow("four parts") << "1/2/3/2009" << QDate();
        QTest::newRow("three-digit year") << "1/2/209" << QDate();
        QTest::newRow("five-digit year") << "1/2/20090" << QDate();
        QTest::newRow("three-digit day") << "001/2/2009" << QDate();
        QTest::newRow("letters") << "1 fév 2009" << QDate();
        QTest::newRow("trailing text") << "1/2/2009x" << QDate();
        QTest::newRow("doubled separator") << "1//2/2009" << QDate();
        QTest::newRow("before the range") << "31/12/0099" << QDate();
        QTest::newRow("negative") << "-1/2/2009" << QDate();
    }

    void parse()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        const std::optional<QDate> read = DateText::parse(typed);
        if (!expected.isValid()) {
            QVERIFY2(!read, qPrintable(read ? read->toString(Qt::ISODate) : QString()));
            return;
        }
        QVERIFY(read.has_value());
        QCOMPARE(*read, expected);
    }

    void shortForm_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << QDate(2009, 2, 1) << "01/02/2009";
        QTest::newRow("two digits") << QDate(2009, 12, 31) << "31/12/2009";
        QTest::newRow("year 100") << QDate(100, 1, 1) << "01/01/0100";
    }

    void shortForm()
    {
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(DateText::shortForm(date), expected);
        QCOMPARE(DateText::parse(expected), std::optional<QDate>(date));
    }

    void patterns_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("longForm");
        QTest::addColumn<QString>("dayMonthYear");
        QTest::newRow("april") << QDate(2009, 4, 22) << "mer. 22 avr. 2009" << "22 avr. 2009";
        QTest::newRow("one-digit day") << QDate(2009, 4, 8) << "mer. 8 avr. 2009" << "08 avr. 2009";
        QTest::newRow("february accent") << QDate(2009, 2, 19) << "jeu. 19 févr. 2009" << "19 févr. 2009";
        QTest::newRow("unabbreviated month") << QDate(2009, 6, 15) << "lun. 15 juin 2009" << "15 juin 2009";
        QTest::newRow("august") << QDate(2009, 8, 2) << "dim. 2 août 2009" << "02 août 2009";
        QTest::newRow("saturday december") << QDate(2009, 12, 26) << "sam. 26 déc. 2009" << "26 déc. 2009";
    }

    void patterns()
    {
        QFETCH(QDate, date);
        QFETCH(QString, longForm);
        QFETCH(QString, dayMonthYear);
        QCOMPARE(DateText::longPattern(date), longForm);
        QCOMPARE(DateText::dayMonthYear(date), dayMonthYear);
    }

    void arithmeticStaysInRange_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("expected"); // invalid: refused

        QTest::newRow("month end clamps") << QDate(2009, 5, 31) << 0 << 9 << QDate(2010, 2, 28);
        QTest::newRow("into a leap February") << QDate(2011, 5, 31) << 0 << 9 << QDate(2012, 2, 29);
        QTest::newRow("leap day plus a year") << QDate(2008, 2, 29) << 0 << 12 << QDate(2009, 2, 28);
        QTest::newRow("days across a year") << QDate(2009, 12, 20) << 14 << 0 << QDate(2010, 1, 3);
        QTest::newRow("days backwards") << QDate(2009, 1, 15) << -14 << 0 << QDate(2009, 1, 1);
        QTest::newRow("last day then one more") << QDate(9999, 12, 31) << 1 << 0 << QDate();
        QTest::newRow("months past the end") << QDate(9999, 4, 1) << 0 << 9 << QDate();
        QTest::newRow("days before the start") << QDate(100, 1, 10) << -14 << 0 << QDate();
    }

    void arithmeticStaysInRange()
    {
        QFETCH(QDate, from);
        QFETCH(int, days);
        QFETCH(int, months);
        QFETCH(QDate, expected);
        const std::optional<QDate> moved = months ? DateText::addMonths(from, months) : DateText::addDays(from, days);
        QCOMPARE(moved.value_or(QDate()), expected);
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "test_date_text.moc"
