#include "controls/BaseConversion.h"

#include <QtTest>

using BaseConversion::Column;
Q_DECLARE_METATYPE(BaseConversion::Column)

namespace {
const QString Invalid = QStringLiteral("<Saisie non valide>");
}

class TestBaseConversion : public QObject
{
    Q_OBJECT
private slots:
    void convertRow_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("hexadecimal");
        QTest::addColumn<QString>("octal");
        QTest::addColumn<QString>("decimal");

        QTest::newRow("decimal 255") << Column::Decimal << "255" << "FF" << "377" << "255";
        QTest::newRow("hexadecimal ff keeps its case") << Column::Hexadecimal << "ff" << "ff" << "377" << "255";
        QTest::newRow("hexadecimal 7FFFFFFF") << Column::Hexadecimal << "7FFFFFFF" << "7FFFFFFF" << "17777777777" << "2147483647";
        QTest::newRow("octal 377") << Column::Octal << "377" << "FF" << "377" << "255";
        QTest::newRow("decimal upper limit") << Column::Decimal << "2147483647" << "7FFFFFFF" << "17777777777" << "2147483647";
        QTest::newRow("decimal zero") << Column::Decimal << "0" << "0" << "0" << "0";
        QTest::newRow("decimal leading zeros") << Column::Decimal << "007" << "7" << "7" << "007";
        QTest::newRow("octal leading zeros") << Column::Octal << "0010" << "8" << "0010" << "8";
        QTest::newRow("hexadecimal leading zeros") << Column::Hexadecimal << "000000000000001a" << "000000000000001a" << "32" << "26";
        QTest::newRow("decimal empties the row") << Column::Decimal << "" << "" << "" << "";
        QTest::newRow("decimal above range") << Column::Decimal << "2147483648" << Invalid << Invalid << Invalid;
        // Hexadecimal and octal texts are read as unsigned values: above 2147483647 the row fails.
        QTest::newRow("hexadecimal 80000000") << Column::Hexadecimal << "80000000" << Invalid << Invalid << Invalid;
        QTest::newRow("hexadecimal nine digits") << Column::Hexadecimal << "100000000" << Invalid << Invalid << Invalid;
        QTest::newRow("octal 20000000000") << Column::Octal << "20000000000" << Invalid << Invalid << Invalid;
        QTest::newRow("marker followed by a digit") << Column::Decimal << Invalid + "7" << Invalid << Invalid << Invalid;
        QTest::newRow("sign") << Column::Decimal << "-5" << Invalid << Invalid << Invalid;
        QTest::newRow("octal digit 8") << Column::Octal << "18" << Invalid << Invalid << Invalid;
        QTest::newRow("hexadecimal letter g") << Column::Hexadecimal << "1g" << Invalid << Invalid << Invalid;
    }

    void convertRow()
    {
        QFETCH(Column, column);
        QFETCH(QString, typed);
        QFETCH(QString, hexadecimal);
        QFETCH(QString, octal);
        QFETCH(QString, decimal);

        const BaseConversion::RowTexts row = BaseConversion::convertRow(column, typed);
        QCOMPARE(row.ok, hexadecimal != Invalid);
        QCOMPARE(row.hexadecimal, hexadecimal);
        QCOMPARE(row.octal, octal);
        QCOMPARE(row.decimal, decimal);
    }

    void parse_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");

        QTest::newRow("empty") << Column::Decimal << "" << false << 0;
        QTest::newRow("decimal max") << Column::Decimal << "2147483647" << true << 2147483647;
        QTest::newRow("decimal max with zeros") << Column::Decimal << "0002147483647" << true << 2147483647;
        QTest::newRow("decimal max + 1") << Column::Decimal << "2147483648" << false << 0;
        QTest::newRow("decimal 2^32 wraps nowhere") << Column::Decimal << "4294967296" << false << 0;
        QTest::newRow("hex max") << Column::Hexadecimal << "7fffffff" << true << 2147483647;
        QTest::newRow("hex 2^32 + 1") << Column::Hexadecimal << "100000001" << false << 0;
        QTest::newRow("octal max") << Column::Octal << "17777777777" << true << 2147483647;
        QTest::newRow("octal 2^33 + 1") << Column::Octal << "100000000001" << false << 0;
        QTest::newRow("space") << Column::Decimal << "1 2" << false << 0;
        QTest::newRow("decimal comma") << Column::Decimal << "1,5" << false << 0;
        QTest::newRow("plus sign") << Column::Decimal << "+1" << false << 0;
        QTest::newRow("prefix") << Column::Hexadecimal << "0x1F" << false << 0;
        QTest::newRow("full-width digit") << Column::Decimal << QString(QChar(0xFF11)) << false << 0;
    }

    void parse()
    {
        QFETCH(Column, column);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);

        const std::optional<qint32> parsed = BaseConversion::parse(column, text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void acceptsCharacter_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("refused");

        QTest::newRow("decimal") << Column::Decimal << "0123456789" << "aAfF/:-+,. \t\x7F";
        QTest::newRow("octal") << Column::Octal << "01234567" << "89aA/- ,";
        QTest::newRow("hexadecimal") << Column::Hexadecimal << "0123456789ABCDEFabcdef" << "gGxX@[`{-+ ,.";
    }

    void acceptsCharacter()
    {
        QFETCH(Column, column);
        QFETCH(QString, accepted);
        QFETCH(QString, refused);

        for (const QChar c : accepted)
            QVERIFY2(BaseConversion::acceptsCharacter(column, c), qPrintable(QString(c)));
        for (const QChar c : refused)
            QVERIFY2(!BaseConversion::acceptsCharacter(column, c), qPrintable(QString(c)));
        QVERIFY(BaseConversion::acceptsText(column, accepted));
        QVERIFY(!BaseConversion::acceptsText(column, accepted + refused.at(0)));
    }

    void formatHasNoLeadingZerosAndUpperCase_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("hexadecimal");
        QTest::addColumn<QString>("octal");
        QTest::addColumn<QString>("decimal");

        QTest::newRow("0") << 0 << "0" << "0" << "0";
        QTest::newRow("8") << 8 << "8" << "10" << "8";
        QTest::newRow("3054") << 3054 << "BEE" << "5756" << "3054";
        QTest::newRow("max") << 2147483647 << "7FFFFFFF" << "17777777777" << "2147483647";
    }

    void formatHasNoLeadingZerosAndUpperCase()
    {
        QFETCH(int, value);
        QFETCH(QString, hexadecimal);
        QFETCH(QString, octal);
        QFETCH(QString, decimal);

        QCOMPARE(BaseConversion::format(Column::Hexadecimal, value), hexadecimal);
        QCOMPARE(BaseConversion::format(Column::Octal, value), octal);
        QCOMPARE(BaseConversion::format(Column::Decimal, value), decimal);
    }
};

QTEST_GUILESS_MAIN(TestBaseConversion)
#include "test_base_conversion.moc"
