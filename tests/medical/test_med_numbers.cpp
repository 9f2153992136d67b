#include "medical/DecimalComma.h"
#include "medical/MedNumber.h"

#include <QTest>

#include <cmath>

class TestMedNumbers : public QObject
{
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "72" << true << 72.0;
        QTest::newRow("decimal comma") << "1,75" << true << 1.75;
        QTest::newRow("negative") << "-2,2" << true << -2.2;
        QTest::newRow("trailing comma") << "1," << true << 1.0;
        QTest::newRow("zero with decimals") << "0,0" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("full stop is not French") << "1.75" << false << 0.0;
        QTest::newRow("lone comma") << "," << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("thousands separator refused") << "1 000" << false << 0.0;
        QTest::newRow("infinity refused") << "inf" << false << 0.0;
        QTest::newRow("nan refused") << "nan" << false << 0.0;
        QTest::newRow("overflow refused") << "1e400" << false << 0.0;
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(bool, filled);
        QFETCH(double, value);
        const std::optional<double> result = MedNumber::read(text);
        QCOMPARE(result.has_value(), filled);
        if (filled)
            QCOMPARE(*result, value);
    }

    void show_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole value") << 95.0 << 1 << "95";
        QTest::newRow("one decimal") << 95.3 << 1 << "95,3";
        QTest::newRow("two decimals") << 1.25 << 2 << "1,25";
        QTest::newRow("half down to even") << 24.5 << 0 << "24";
        QTest::newRow("half up to even") << 25.5 << 0 << "26";
        QTest::newRow("forty and a half") << 40.5 << 0 << "40";
        QTest::newRow("decimal half to even") << 1.25 << 1 << "1,2";
        QTest::newRow("decimal half up to even") << 1.75 << 1 << "1,8";
        QTest::newRow("not a half") << 79.545454 << 1 << "79,5";
        QTest::newRow("trailing zero dropped") << 2.5003 << 2 << "2,5";
        QTest::newRow("no thousands separator") << 1234567.25 << 2 << "1234567,25";
        QTest::newRow("negative") << -9.943 << 1 << "-9,9";
        QTest::newRow("tiny negative is zero") << -0.04 << 1 << "0";
        QTest::newRow("negative zero") << -0.0 << 1 << "0";
    }

    void show()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(MedNumber::show(value, decimals), text);
    }

    void decimalComma_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("rewritten");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("resultCaret");
        QTest::newRow("after digits") << "1." << 2 << true << "1," << 2;
        QTest::newRow("lone full stop") << "." << 1 << true << "," << 1;
        QTest::newRow("middle of a number") << "17.5" << 3 << true << "17,5" << 4;
        QTest::newRow("start of a number") << ".75" << 1 << true << ",75" << 3;
        QTest::newRow("keypad comma, caret moved") << "3,2" << 2 << true << "3,2" << 3;
        QTest::newRow("only the typed one") << "1.2." << 2 << true << "1,2." << 4;
        QTest::newRow("caret at start") << ".5" << 0 << false << "" << 0;
        QTest::newRow("not a separator") << "12" << 2 << false << "" << 0;
        QTest::newRow("caret past the end") << "1." << 5 << false << "" << 0;
    }

    void decimalComma()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(bool, rewritten);
        QFETCH(QString, result);
        QFETCH(int, resultCaret);
        const std::optional<DecimalComma::Rewrite> rewrite = DecimalComma::apply(text, caret);
        QCOMPARE(rewrite.has_value(), rewritten);
        if (rewritten) {
            QCOMPARE(rewrite->text, result);
            QCOMPARE(rewrite->caret, resultCaret);
        }
    }
};

QTEST_GUILESS_MAIN(TestMedNumbers)
#include "test_med_numbers.moc"
