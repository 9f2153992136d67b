#include "calc/DecimalText.h"
#include "calc/FrenchNumber.h"
#include "calc/NumberText.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0,3";
        QTest::newRow("negative") << -12.5 << "-12,5";
        QTest::newRow("1E+15") << 1e15 << "1E+15";
        QTest::newRow("just below 1E15") << 999999999999999.0 << "999999999999999";
        QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("rounded to 15") << 1234567890123456.0 << "1,23456789012346E+15";
        QTest::newRow("1E-4 plain") << 1e-4 << "0,0001";
        QTest::newRow("1E-05") << 1e-5 << "1E-05";
        QTest::newRow("1,5E+20") << 1.5e20 << "1,5E+20";
        QTest::newRow("1,5E-07") << 1.5e-7 << "1,5E-07";
        QTest::newRow("two digit exponent") << 1e100 << "1E+100";
        QTest::newRow("1/3") << 1.0 / 3 << "0,333333333333333";
        QTest::newRow("2/3 rounds") << 2.0 / 3 << "0,666666666666667";
        QTest::newRow("max") << std::numeric_limits<double>::max() << "1,79769313486232E+308";
    }
    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberToText(value), text);
    }

    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("trailing comma") << "12," << true << 12.0;
        QTest::newRow("zero comma") << "0," << true << 0.0;
        QTest::newRow("negative") << "-0,5" << true << -0.5;
        QTest::newRow("exponent") << "1,5E+20" << true << 1.5e20;
        QTest::newRow("negative exponent") << "1E-05" << true << 1e-5;
        QTest::newRow("many digits") << "3,1415926535897932384626433832795" << true << M_PI;
        QTest::newRow("underflow reads as zero") << "1E-400" << true << 0.0;
        QTest::newRow("overflow refused") << "1E+400" << false << 0.0;
        QTest::newRow("long overflow refused") << "1" + QString(400, '0') << false << 0.0;
        QTest::newRow("huge exponent refused") << "10E99999999999999999999" << false << 0.0;
        QTest::newRow("huge exponent alone refused") << "1E99999999999999999999" << false << 0.0;
        QTest::newRow("tiny exponent reads as zero") << "0,01E-99999999999999999999" << true << 0.0;
        QTest::newRow("tiny exponent with many digits") << "-123,45E-9223372036854775809" << true << 0.0;
        QTest::newRow("point refused") << "1.5" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("minus alone") << "-" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("comma alone") << "," << false << 0.0;
        QTest::newRow("exponent without digits") << "1E" << false << 0.0;
    }
    void textToNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const std::optional<double> read = TextToNumber(text);
        QCOMPARE(read.has_value(), valid);
        if (valid)
            QCOMPARE(*read, value);
    }

    // The reader's options that the callers' own tables leave out; each row
    // is read once with the options and once without them.
    void frenchNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("options"); // g thousands, p full stop, c calculator form, n non-finite
        QTest::addColumn<double>("value"); // with the options; NaN: refused
        QTest::addColumn<double>("plainValue"); // without them; NaN: refused
        const double no = qQNaN();
        QTest::newRow("thousands") << QString::fromUtf8("-1\u202f234,5") << "g" << -1234.5 << no;
        QTest::newRow("full stop") << "2.5" << "p" << 2.5 << no;
        QTest::newRow("comma still read with full stop") << "2,5" << "p" << 2.5 << 2.5;
        QTest::newRow("non-finite") << "inf" << "n" << qInf() << no;
        QTest::newRow("calculator form, blanks around") << " 1E-400 " << "c" << 0.0 << no;
    }
    void frenchNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, options);
        QFETCH(double, value);
        QFETCH(double, plainValue);
        const FrenchNumber::Options with{.thousandsSeparator = options.contains('g'),
                                         .fullStop = options.contains('p'),
                                         .calculatorForm = options.contains('c'),
                                         .nonFinite = options.contains('n')};
        for (const auto &[read, expected] : {std::pair{FrenchNumber::read(text, with), value},
                                             std::pair{FrenchNumber::read(text), plainValue}}) {
            QCOMPARE(read.has_value(), !qIsNaN(expected));
            if (read)
                QCOMPARE(*read, expected);
        }
    }

    void roundTrip()
    {
        // Every text NumberToText writes reads back to the same text.
        for (double x : {0.1, 1e15, 1e-5, 123.456, -9.87654321e-200, 6.02214076e23, 1.0 / 7}) {
            const QString text = NumberToText(x);
            QCOMPARE(NumberToText(TextToNumber(text).value()), text);
        }
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "2" << 2.0;
        QTest::newRow("comma stops") << "2,5" << 2.0;
        QTest::newRow("point") << "2.5" << 2.5;
        QTest::newRow("blanks") << "   3" << 3.0;
        QTest::newRow("sign") << "-1" << -1.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("exponent") << "1E10" << 1e10;
        QTest::newRow("dangling exponent") << "4e" << 4.0;
        QTest::newRow("huge") << "1E999" << HUGE_VAL;
        QTest::newRow("huge exponent") << "10E99999999999999999999" << HUGE_VAL;
        QTest::newRow("tiny exponent") << "0.01E-99999999999999999999" << 0.0;
        QTest::newRow("plus") << "+2" << 2.0;
        QTest::newRow("negative exponent") << "2.5e-1x" << 0.25;
        QTest::newRow("exponent sign only") << "7e+" << 7.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text), value);
    }

    void decimalText_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("halfEven");
        QTest::addColumn<double>("awayFromZero");
        QTest::addColumn<double>("cut");
        QTest::newRow("2,675 tie") << 2.675 << 2 << 2.68 << 2.68 << 2.67;
        QTest::newRow("0,125 tie") << 0.125 << 2 << 0.12 << 0.13 << 0.12;
        QTest::newRow("2,5 to 0") << 2.5 << 0 << 2.0 << 3.0 << 2.0;
        QTest::newRow("3,5 to 0") << 3.5 << 0 << 4.0 << 4.0 << 3.0;
        QTest::newRow("negative tie") << -0.125 << 2 << -0.12 << -0.13 << -0.12;
        QTest::newRow("carry") << 9.996 << 2 << 10.0 << 10.0 << 9.99;
        QTest::newRow("516,39 cut") << 516.39 << 2 << 516.39 << 516.39 << 516.39;
        QTest::newRow("0,3-0,1") << 0.3 - 0.1 << 1 << 0.2 << 0.2 << 0.2;
        QTest::newRow("more decimals than digits") << 1.5 << 30 << 1.5 << 1.5 << 1.5;
        QTest::newRow("tiny") << 1.234e-6 << 8 << 1.23e-6 << 1.23e-6 << 1.23e-6;
        QTest::newRow("huge") << 1e300 << 2 << 1e300 << 1e300 << 1e300;
    }
    void decimalText()
    {
        QFETCH(double, x);
        QFETCH(int, n);
        QFETCH(double, halfEven);
        QFETCH(double, awayFromZero);
        QFETCH(double, cut);
        const DecimalText text(x);
        QCOMPARE(text.roundedHalfEven(n), halfEven);
        QCOMPARE(text.roundedHalfAwayFromZero(n), awayFromZero);
        QCOMPARE(text.cut(n), cut);
    }

    void fractionalPart()
    {
        QCOMPARE(DecimalText(12.5).fractionalPart(), 0.5);
        QCOMPARE(DecimalText(-2.75).fractionalPart(), 0.75);
        QCOMPARE(DecimalText(1.5e-7).fractionalPart(), 1.5e-7);
        QCOMPARE(DecimalText(1e20).fractionalPart(), 0.0);
        QCOMPARE(DecimalText(1.5e-7).plain(), QStringLiteral("0.00000015"));
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"
