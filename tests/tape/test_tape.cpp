#include "calc/CalcEngine.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeLineColours.h"

#include <QSignalSpy>
#include <QtTest>

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
};

QTEST_APPLESS_MAIN(TestTape)
#include "test_tape.moc"
