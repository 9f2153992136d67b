#include "RecordingSurface.h"
#include "calc/CalcEngine.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "tape/Tape.h"
#include "tape/TapePrintLayout.h"

#include <QtTest>

namespace {

// "page:x,y:text" (bold texts between stars) per print.
QStringList printed(const RecordingSurface &surface)
{
    QStringList out;
    for (const RecordingSurface::Print &p : surface.prints)
        out << QStringLiteral("%1:%2,%3:%4").arg(p.page).arg(p.x).arg(p.y).arg(p.bold ? '*' + p.text + '*' : p.text);
    return out;
}


} // namespace

class TestTapePrintLayout : public QObject
{
    Q_OBJECT
private slots:
    void threeLinesPrintFourRowsFromOneCentimetre()
    {
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "12 + 5 =");
        RecordingSurface surface;
        TapePrintLayout::print(tape, surface);
        QCOMPARE(printed(surface), QStringList({
            "1:1277,567:", "1:3337,567:12",
            "1:1177,807:+", "1:3437,807:5",
            "1:1177,1047:=", "1:3337,1047:17",
            "1:1277,1287:", "1:3537,1287:",
        }));
        QCOMPARE(surface.family_, QStringLiteral("Arial"));
        QCOMPARE(surface.pointSize_, 10);
        QCOMPARE(surface.ended, 1);
    }

    void wideValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("struck");
        QTest::addColumn<QString>("expected");
        QTest::newRow("22 characters fit") << QString(22, '1') << false << "1:1337,567:" + QString(22, '1');
        QTest::newRow("23 characters are too wide") << QString(23, '1') << false << "1:2437,567:###########";
        QTest::newRow("struck-out value in brackets") << "3" << true << "1:3237,567:(3)";
    }
    void wideValues()
    {
        QFETCH(QString, value);
        QFETCH(bool, struck);
        QFETCH(QString, expected);
        Tape tape;
        tape.setCell(0, Tape::OperatorColumn, QStringLiteral("x"));
        tape.setCell(0, Tape::ValueColumn, value);
        if (struck)
            tape.strikeOut(0);
        tape.appendLine();
        RecordingSurface surface;
        TapePrintLayout::print(tape, surface);
        QCOMPARE(printed(surface).at(1), expected);
    }

    void wrap_data()
    {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<int>("widthInChars");  // plain characters of 100 twips
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits unchanged") << "  a  b " << 7 << QStringList{"  a  b "};
        QTest::newRow("greedy") << "un deux trois quatre" << 9 << QStringList{"un deux", "trois", "quatre"};
        QTest::newRow("exact width") << "abc def ghi" << 7 << QStringList{"abc def", "ghi"};
        QTest::newRow("double space") << "abc  def ghi" << 8 << QStringList{"abc def", "ghi"};
        QTest::newRow("word too wide first") << "abcdefghij ab" << 5 << QStringList{"####"};
        QTest::newRow("word too wide later drops the rest")
            << "ab abcdefghij cd ef" << 5 << QStringList{"ab", "####"};
    }
    void wrap()
    {
        QFETCH(QString, paragraph);
        QFETCH(int, widthInChars);
        QFETCH(QStringList, lines);
        RecordingSurface surface;
        QCOMPARE(TapePrintLayout::wrap(paragraph, widthInChars * 100, surface), lines);
    }

    void commentsPrintInBoldFromTheirLine_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<QStringList>("commentPrints");
        // 12 cm paper: 2640 twips of comment, 22 bold characters.
        QTest::newRow("two paragraphs") << "premier\r\nsecond" << 6804
                                        << QStringList{"1:3597,567:*premier*", "1:3597,807:*second*"};
        QTest::newRow("wrapped at 2640 twips")
            << "douze caracteres et encore plus loin" << 6804
            << QStringList{"1:3597,567:*douze caracteres et*", "1:3597,807:*encore plus loin*"};
        QTest::newRow("word wider than the comment")
            << "court\r\nanticonstitutionnellement absolument\r\nfin" << 6804
            << QStringList{"1:3597,567:*court*", "1:3597,807:*####*", "1:3597,1047:*fin*"};
        QTest::newRow("bare line feed") << "a\nb" << 11906 << QStringList{"1:3597,567:*a*", "1:3597,807:*b*"};
    }
    void commentsPrintInBoldFromTheirLine()
    {
        QFETCH(QString, comment);
        QFETCH(int, pageWidth);
        QFETCH(QStringList, commentPrints);
        Tape tape;
        tape.setCell(0, Tape::ValueColumn, QStringLiteral("12"));
        tape.setComment(0, comment);
        tape.appendLine();
        RecordingSurface surface(pageWidth, 16838);
        TapePrintLayout::print(tape, surface);
        const QStringList all = printed(surface);
        QCOMPARE(all.mid(2, commentPrints.size()), commentPrints);
        // The open line follows the last comment line, not bold.
        const int next = 567 + int(commentPrints.size()) * RecordingSurface::LineHeight;
        QCOMPARE(all.at(2 + commentPrints.size()), QStringLiteral("1:1277,%1:").arg(next));
    }

    void pageBreaks()
    {
        // Room for rows while y <= 2000 - (240 + 567) = 1193: rows at 567, 807, 1047.
        Tape tape;
        for (int i = 0; i < 5; ++i) {
            tape.setCell(tape.openLineIndex(), Tape::ValueColumn, QString::number(i));
            tape.appendLine();
        }
        tape.setComment(4, QStringLiteral("a\r\nb\r\nc\r\nd"));
        RecordingSurface surface(6804, 2000);
        TapePrintLayout::print(tape, surface);
        QCOMPARE(printed(surface), QStringList({
            "1:1277,567:", "1:3437,567:0",
            "1:1277,807:", "1:3437,807:1",
            "1:1277,1047:", "1:3437,1047:2",
            "2:1277,567:", "2:3437,567:3",
            "2:1277,807:", "2:3437,807:4",
            "2:3597,807:*a*", "2:3597,1047:*b*",
            "3:3597,567:*c*", "3:3597,807:*d*",
            "3:1277,1047:", "3:3537,1047:",
        }));
    }

    void smallestPage_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("large");
        QTest::newRow("12 x 12 cm") << 6804 << 6804 << true;
        QTest::newRow("11.9 cm high") << 6804 << 6747 << false;
        QTest::newRow("11.9 cm wide") << 6747 << 16838 << false;
        QTest::newRow("A4") << 11906 << 16838 << true;
    }
    void smallestPage()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, large);
        QCOMPARE(TapePrintLayout::pageLargeEnough(RecordingSurface(width, height)), large);
    }
};

QTEST_GUILESS_MAIN(TestTapePrintLayout)
#include "test_tape_print_layout.moc"
