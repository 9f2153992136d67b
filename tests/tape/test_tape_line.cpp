#include "tape/TapeLine.h"
#include "tape/TapeLines.h"

#include <QtTest>

namespace {

QString cellsOf(const TapeLine &line)
{
    QStringList cells;
    for (int column = 0; column < TapeLine::CellCount; ++column)
        cells << line.cell(column);
    return cells.join(QLatin1Char('|'));
}

} // namespace

class TestTapeLine : public QObject
{
    Q_OBJECT
private slots:
    // Each step sets one cell ("column=text"); the others must not move.
    void setCellKeepsTheOtherCells_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("cells");
        QTest::newRow("in column order") << QStringList{"0=+", "1=12", "2=note", "3=2"} << "+|12|note|2";
        QTest::newRow("backwards") << QStringList{"3=2", "2=note", "1=12", "0=+"} << "+|12|note|2";
        QTest::newRow("middle grows then shrinks")
            << QStringList{"0=+", "1=1", "2=c", "3=p", "1=123456789012345678901234567890", "1=7"} << "+|7|c|p";
        QTest::newRow("cleared") << QStringList{"0=x", "1=5", "3=2", "1=", "0="} << "|||2";
        QTest::newRow("beyond Latin-1 and long")
            << QStringList{"2=          € à ÿ, « une remarque » assez longue pour le tas", "1=3,14"}
            << QString::fromUtf8("|3,14|          € à ÿ, « une remarque » assez longue pour le tas|");
    }
    void setCellKeepsTheOtherCells()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, cells);
        TapeLine line;
        for (const QString &step : steps)
            line.setCell(step.left(1).toInt(), QStringView(step).mid(2));
        QCOMPARE(cellsOf(line), cells);
        for (int column = 0; column < TapeLine::CellCount; ++column)
            QCOMPARE(line.cellIsEmpty(column), line.cell(column).isEmpty());
    }

    // Erasing and truncating across block boundaries, then appending again:
    // lines keep their order and a reused slot comes back blank.
    void linesAcrossBlocks()
    {
        TapeLines lines;
        const int count = 2500;
        for (int i = 0; i < count; ++i)
            lines.emplaceBack().setCell(1, QString::number(i));
        lines.erase(1023);
        lines.erase(0);
        QCOMPARE(lines.size(), std::size_t(count - 2));
        QCOMPARE(lines[0].cell(1), QStringLiteral("1"));
        QCOMPARE(lines[1021].cell(1), QStringLiteral("1022"));
        QCOMPARE(lines[1022].cell(1), QStringLiteral("1024"));
        QCOMPARE(lines.back().cell(1), QString::number(count - 1));

        lines.truncate(1030);
        QCOMPARE(lines.size(), std::size_t(1030));
        QCOMPARE(cellsOf(lines.emplaceBack()), QStringLiteral("|||"));
        lines.clear();
        QVERIFY(lines.empty());
        QCOMPARE(cellsOf(lines.emplaceBack()), QStringLiteral("|||"));
    }
};

QTEST_GUILESS_MAIN(TestTapeLine)
#include "test_tape_line.moc"
