#include "medical/TobaccoScore.h"

#include <QTest>

// A click is written as +box (the box becomes checked) or -box (unchecked).
using Clicks = QList<int>;
using Boxes = QList<int>;

class TestTobaccoScore : public QObject
{
    Q_OBJECT
private slots:
    void clicks_data()
    {
        QTest::addColumn<Clicks>("clicks");
        QTest::addColumn<int>("score");
        QTest::addColumn<Boxes>("checked");
        QTest::newRow("nothing") << Clicks{} << 0 << Boxes{};
        QTest::newRow("second answer replaces the first") << Clicks{2, 1} << 1 << Boxes{1};
        QTest::newRow("check then uncheck") << Clicks{5, -5} << 0 << Boxes{};
        QTest::newRow("uncheck returns to previous") << Clicks{2, 11, -11} << 2 << Boxes{2};
        QTest::newRow("maximum") << Clicks{2, 5, 8, 9, 11, 14, 16, 18} << 12
                                 << Boxes{2, 5, 8, 9, 11, 14, 16, 18};
        QTest::newRow("zero-point answers") << Clicks{0, 3, 6, 10, 13, 15, 17, 19} << 0
                                            << Boxes{0, 3, 6, 10, 13, 15, 17, 19};
        QTest::newRow("questions are independent") << Clicks{2, 9, 8} << 5 << Boxes{2, 8, 9};
        QTest::newRow("yes then no") << Clicks{18, 19} << 0 << Boxes{19};
        QTest::newRow("three answers in turn") << Clicks{11, 12, 13, 11} << 2 << Boxes{11};
        QTest::newRow("uncheck an unchecked box") << Clicks{4, -5} << 1 << Boxes{4};
    }

    void clicks()
    {
        QFETCH(Clicks, clicks);
        QFETCH(int, score);
        QFETCH(Boxes, checked);
        TobaccoScore test;
        for (int click : clicks)
            test.setChecked(std::abs(click), click >= 0);
        QCOMPARE(int(test.score()), score);
        Boxes actual;
        int sum = 0;
        for (int box = 0; box < TobaccoScore::BoxCount; ++box) {
            if (test.isChecked(box)) {
                actual.append(box);
                sum += TobaccoScore::answerPoints(box);
            }
        }
        QCOMPARE(actual, checked);
        QCOMPARE(sum, score);
    }

    void classText_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "(pas ou peu de dépendance)";
        QTest::newRow("3") << 3 << "(pas ou peu de dépendance)";
        QTest::newRow("4") << 4 << "(dépendance)";
        QTest::newRow("6") << 6 << "(dépendance)";
        QTest::newRow("7") << 7 << "(forte dépendance)";
        QTest::newRow("9") << 9 << "(forte dépendance)";
        QTest::newRow("10") << 10 << "(très forte dépendance)";
        QTest::newRow("12") << 12 << "(très forte dépendance)";
    }

    void classText()
    {
        QFETCH(int, score);
        QFETCH(QString, text);
        QCOMPARE(TobaccoScore::classText(score), text);
    }

    void exclusionReportsUncheckedBoxes()
    {
        TobaccoScore test;
        QVERIFY(test.setChecked(2, true).isEmpty());
        QCOMPARE(test.setChecked(0, true), QList<int>{2});
        QCOMPARE(int(test.score()), 0);
        QCOMPARE(test.classText(), QStringLiteral("(pas ou peu de dépendance)"));
    }
};

QTEST_GUILESS_MAIN(TestTobaccoScore)
#include "test_tobacco_score.moc"
