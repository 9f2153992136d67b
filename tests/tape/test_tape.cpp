#include "calc/CalcEngine.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeLine.h"
#include "tape/TapeLineColours.h"
#include "tape/TapeLines.h"

#include <QSignalSpy>
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

class TestTape : public QObject
{
    Q_OBJECT
private slots:
    void newTapeHasOneRow()
    {
        Tape tape;
        QCOMPARE(tape.rowCount(), 1);
        QCOMPARE(tape.openLineIndex(), 0);
    }

    void blocks_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("12+5= first") << "12 + 5 =" << 0 << 0 << 2;
        QTest::newRow("12+5= middle") << "12 + 5 =" << 1 << 0 << 2;
        QTest::newRow("12+5= total") << "12 + 5 =" << 2 << 0 << 2;
        QTest::newRow("second calculation") << "12 + 5 = 3 x 2 =" << 4 << 3 << 5;
        QTest::newRow("continued from total") << "12 + 5 = + 3 =" << 4 << 0 << 4;
        QTest::newRow("cancel line starts its own block") << "12 + 5 C 3 + 1 =" << 1 << 1 << 1;
        QTest::newRow("after cancel") << "12 + 5 C 3 + 1 =" << 3 << 2 << 4;
        QTest::newRow("function line belongs to its value") << "9 F3 + 1 =" << 1 << 0 << 3;
        QTest::newRow("block ends at last finished line") << "12 + 5 +" << 0 << 0 << 1;
    }
    void blocks()
    {
        QFETCH(QString, keys);
        QFETCH(int, line);
        QFETCH(int, first);
        QFETCH(int, last);
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, keys);
        const auto block = tape.block(line);
        QCOMPARE(block.first, qint64(first));
        QCOMPARE(block.second, qint64(last));
    }

    void kinds()
    {
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "9 F3 + 1 = 2 + C");
        QCOMPARE(tape.kind(0), Tape::Kind::Operand);
        QCOMPARE(tape.kind(1), Tape::Kind::Function);
        QCOMPARE(tape.kind(2), Tape::Kind::Operand);
        QCOMPARE(tape.kind(3), Tape::Kind::Total);
        QCOMPARE(tape.kind(5), Tape::Kind::Cancel);
        QCOMPARE(TapeLineColours::back(tape.line(1).kind), 0xE0E0E0u);
        QCOMPARE(TapeLineColours::back(tape.line(3).kind), 0xC0C0C0u);
        QCOMPARE(TapeLineColours::back(tape.line(0).kind), 0u);
    }

    void comment()
    {
        Tape tape;
        tape.appendLine();
        tape.setComment(0, QStringLiteral("  loyer  "));
        QCOMPARE(tape.cell(0, Tape::CommentColumn), QStringLiteral("            loyer  "));
        QCOMPARE(tape.comment(0), QStringLiteral("loyer"));
        tape.setComment(0, QStringLiteral("   "));
        QCOMPARE(tape.cell(0, Tape::CommentColumn), QString());
    }

    void clearEmitsReset()
    {
        Tape tape;
        QSignalSpy reset(&tape, &Tape::tapeReset);
        QSignalSpy appended(&tape, &Tape::lineAppended);
        tape.appendLine();
        tape.appendLine();
        QCOMPARE(appended.count(), 2);
        tape.clear();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(tape.rowCount(), 1);
    }

    void longTapeIndexDoesNotWrap()
    {
        Tape tape;
        for (int i = 0; i < 40000; ++i)
            tape.appendLine();
        QCOMPARE(tape.openLineIndex(), qint64(40000));
        tape.setOpen(Tape::ValueColumn, QStringLiteral("1"));
        QCOMPARE(tape.cell(40000, Tape::ValueColumn), QStringLiteral("1"));
    }

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

QTEST_GUILESS_MAIN(TestTape)
#include "test_tape.moc"
