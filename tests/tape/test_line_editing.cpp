#include "calc/CalcEngine.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "tape/CancelledCalculations.h"
#include "tape/LineEditor.h"
#include "tape/Recalculator.h"
#include "tape/Tape.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <vector>

namespace {

struct Fixture
{
    Tape tape;
    ScriptedPrompt prompt;
    CalcEngine engine{tape, prompt};
    LineEditor editor{tape, prompt};
    explicit Fixture(const QString &keys) { press(engine, keys); }
};

} // namespace

class TestLineEditing : public QObject
{
    Q_OBJECT
private slots:
    void opening_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        using L = LineEditor::Layout;
        QTest::newRow("operand") << "12 + 5 =" << 1 << int(L::Operand) << "Edition de la ligne: + 5" << "";
        QTest::newRow("first line") << "12 + 5 =" << 0 << int(L::FirstOperand) << "Edition de la ligne:  12" << "";
        QTest::newRow("total") << "12 + 5 =" << 2 << int(L::Total) << "Edition de la ligne: = 17" << "";
        QTest::newRow("function") << "9 F3" << 1 << int(L::Function) << "Edition de la ligne: RCarrée 3" << "";
        QTest::newRow("open line") << "12 + 5 =" << 3 << int(L::None) << "" << "";
        QTest::newRow("cancel line") << "12 + C" << 1 << int(L::None) << "" << "Ligne d'annulation. Edition impossible.";
        QTest::newRow("struck-out line") << "2 x 3 F4 4 =" << 1 << int(L::None) << "" << "Ligne d'annulation. Edition impossible.";
    }

    void opening()
    {
        QFETCH(QString, keys);
        QFETCH(int, line);
        QFETCH(int, layout);
        QFETCH(QString, caption);
        QFETCH(QString, message);
        Fixture f(keys);
        const LineEditor::Opening opening = f.editor.open(line);
        QCOMPARE(int(opening.layout), layout);
        QCOMPARE(opening.caption, caption);
        QCOMPARE(f.prompt.messages.join(""), message);
    }

    void editOperand_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tape");
        QTest::newRow("7.5 typed with a point") << "12 + 5 =" << 1 << "+" << "7.5" << "12:0 | + 7,5:0 | = 19,5:2";
        QTest::newRow("operator changed") << "12 + 5 =" << 1 << "x" << "5" << "12:0 | x 5:0 | = 60:2";
        QTest::newRow("first line value") << "12 + 5 =" << 0 << "" << "20" << "20:0 | + 5:0 | = 25:2";
        QTest::newRow("first line operator ignored") << "12 + 5 =" << 0 << "x" << "12" << "12:0 | + 5:0 | = 17:2";
        QTest::newRow("chain with function") << "12 + 9 F3 x 2 =" << 1 << "+" << "16" << "12:0 | + 16:0 | RCarrée 4:1 | x 2:0 | = 32:2";
        QTest::newRow("function on first value") << "9 F3 + 1 =" << 0 << "" << "16" << "16:0 | RCarrée 4:1 | + 1:0 | = 5:2";
        QTest::newRow("sign line") << "12 + 5 = +/- + 3 =" << 1 << "+" << "6" << "12:0 | + 6:0 | = 18:2 | +/- -18:1 | + 3:0 | = -15:2";
        QTest::newRow("subtraction rounding") << "1 - 0,5 =" << 1 << "-" << "0,9" << "1:0 | - 0,9:0 | = 0,1:2";
        QTest::newRow("decimals of exponent forms") << "0,00001 - 0,000001 =" << 1 << "-" << "0,000002" << "1E-05:0 | - 2E-06:0 | = 8E-06:2";
        QTest::newRow("struck lines left out") << "2 x 3 F4 4 =" << 3 << "x" << "5" << "2:0 | x 3:3 | Carré 9:3 | x 5:0 | = 10:2";
        QTest::newRow("decimals from column 3") << "3 + 0,14159 F8r =" << 1 << "+" << "0,55555" << "3:0 | + 0,55555:0 | Arrond 0,556:1 | = 3,556:2";
    }

    void editOperand()
    {
        QFETCH(QString, keys);
        QFETCH(int, line);
        QFETCH(QString, op);
        QFETCH(QString, value);
        QFETCH(QString, tape);
        Fixture f{QString()};
        f.prompt.inputAnswers = {"3"};
        press(f.engine, keys);
        f.editor.open(line);
        QCOMPARE(f.editor.ok({op, value, QString(), QString(), false}), LineEditor::Outcome::Finished);
        QCOMPARE(tapeText(f.tape), tape);
    }

    void deletion_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("display");
        QTest::newRow("operand removes total") << "12 + 5 =" << 1 << "12:0" << "12";
        QTest::newRow("first line promotes next") << "12 + 5 =" << 0 << "5:0" << "5";
        QTest::newRow("operand with its functions") << "12 + 9 F3 F4 x 2 =" << 1 << "12:0 | x 2:0 | = 24:2" << "24";
        QTest::newRow("function line only") << "12 + 9 F3 =" << 2 << "12:0 | + 9:0 | = 21:2" << "21";
        QTest::newRow("total kept when an operator remains") << "12 + 5 x 2 =" << 1 << "12:0 | x 2:0 | = 24:2" << "24";
        QTest::newRow("whole single line") << "12 + 5 = 7 F3" << 3 << "12:0 | + 5:0 | = 17:2" << "17";
        QTest::newRow("earlier block") << "12 + 5 = 2 x 3 =" << 1 << "12:0 | 2:0 | x 3:0 | = 6:2" << "6";
        QTest::newRow("replacing operand with the struck lines") << "2 x 3 F4 4 =" << 3 << "2:0" << "2";
        QTest::newRow("first line before struck lines") << "2 x 3 F4 4 =" << 0 << "4:0" << "4";
    }

    void deletion()
    {
        QFETCH(QString, keys);
        QFETCH(int, line);
        QFETCH(QString, tape);
        QFETCH(QString, display);
        Fixture f(keys);
        f.editor.open(line);
        f.editor.remove();
        f.engine.resumeAfterEdit(f.editor.finishedValue());
        QCOMPARE(tapeText(f.tape), tape);
        QCOMPARE(f.engine.display(), display);
    }

    void changeFunction_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("parameter");
        QTest::newRow("square instead of root") << "12 + 3 F3 =" << "Carré" << QStringList() << "12:0 | + 3:0 | Carré 9:1 | = 21:2" << "";
        QTest::newRow("Arrond with -3 stores 2") << "1,23456 F4" << "Arrond" << QStringList{"-3"} << "1,23456:0 | Arrond 1,23:1" << "2";
        QTest::newRow("Arrond with empty stores 2") << "1,23456 F4" << "Arrond" << QStringList{""} << "1,23456:0 | Arrond 1,23:1" << "2";
        QTest::newRow("Décimal after letters") << "1,23456 F4" << "Décimal" << QStringList{"x", "3"} << "1,23456:0 | Décimal 1,234:1" << "3";
        QTest::newRow("Arrond of a whole value") << "2 F4" << "Arrond" << QStringList{"1"} << "2:0 | Arrond 2:1" << "1";
        QTest::newRow("refused function writes Erreur") << "4 +/- F4" << "RCarrée" << QStringList() << "-4:0 | +/- Erreur!:1" << "";
    }

    void changeFunction()
    {
        QFETCH(QString, keys);
        QFETCH(QString, function);
        QFETCH(QStringList, answers);
        QFETCH(QString, tape);
        QFETCH(QString, parameter);
        Fixture f(keys);
        const qint64 line = QTest::currentDataTag() == QByteArray("square instead of root") ? 2 : 1;
        f.editor.open(line);
        f.prompt.inputAnswers = answers;
        f.editor.ok({QString(), QString(), function, QString(), false});
        if (QTest::currentDataTag() == QByteArray("refused function writes Erreur")) {
            // "+/-" became "RCarrée": the square root of -4 fails.
            QCOMPARE(f.tape.cell(1, Tape::ValueColumn), QStringLiteral("Erreur!"));
            QCOMPARE(f.tape.cell(1, Tape::OperatorColumn), QStringLiteral("RCarrée"));
            return;
        }
        QCOMPARE(tapeText(f.tape), tape);
        QCOMPARE(f.tape.cell(line, Tape::ParameterColumn), parameter);
    }

    void invalidOperandKeepsFrameOpen()
    {
        Fixture f("12 + 5 =");
        f.editor.open(1);
        QCOMPARE(f.editor.ok({"+", "abc", QString(), "note", true}), LineEditor::Outcome::StayOpen);
        QCOMPARE(f.prompt.messages, QStringList{"Vous n'avez pas saisi une donnée valide."});
        QCOMPARE(tapeText(f.tape), QStringLiteral("12:0 | + 5:0 | = 17:2"));
        QCOMPARE(f.tape.comment(1), QStringLiteral("note"));
    }

    void commentOnly()
    {
        Fixture f("12 + 5 =");
        f.editor.open(2);
        f.editor.ok({QString(), QString(), QString(), "  total du mois ", true});
        QCOMPARE(f.tape.cell(2, Tape::CommentColumn), QString(10, ' ') + "  total du mois ");
        QCOMPARE(f.tape.comment(2), QStringLiteral("total du mois"));
        f.editor.open(2);
        f.editor.ok({QString(), QString(), QString(), "   ", true});
        QCOMPARE(f.tape.cell(2, Tape::CommentColumn), QString());
    }

    void recalculationFailures_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tape");
        QTest::newRow("divisor edited to 0") << "12 / 4 =" << 1 << "0" << "12:0 | / 0:0 | = Erreur!:2";
        QTest::newRow("failure carries to later totals") << "12 / 4 = + 1 =" << 1 << "0" << "12:0 | / 0:0 | = Erreur!:2 | + 1:0 | = Erreur!:2";
        QTest::newRow("failed operand spreads to function and total")
            << "12 + 4 F3 =" << 1 << "-4" << "12:0 | + -4:0 | RCarrée Erreur!:1 | = Erreur!:2";
        QTest::newRow("log base 1") << "8 Logn 2 =" << 1 << "1" << "8:0 | Log n 1:0 | = Erreur!:2";
        QTest::newRow("negative base power") << "8 x^y 2 =" << 0 << "-8" << "-8:0 | x^y 2:0 | = 64:2";
        QTest::newRow("mod by zero") << "10 Mod 3 =" << 1 << "0,4" << "10:0 | Mod 0,4:0 | = Erreur!:2";
    }

    void recalculationFailures()
    {
        QFETCH(QString, keys);
        QFETCH(int, line);
        QFETCH(QString, value);
        QFETCH(QString, tape);
        Fixture f(keys);
        const LineEditor::Opening opening = f.editor.open(line);
        f.editor.ok({opening.op, value, QString(), QString(), false});
        QCOMPARE(tapeText(f.tape), tape);
        QVERIFY(f.prompt.messages.isEmpty());
    }

    void finishContinuesFromTape_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("tape");
        // Edit "+ 5" to 7 in 12 + 5 =, then go on typing.
        QTest::newRow("operator after edited total") << "12 + 5 =" << "+ 1 =" << "12:0 | + 7:0 | = 19:2 | + 1:0 | = 20:2";
        QTest::newRow("typed before the edit") << "12 + 5 = 4" << "+ 1 =" << "12:0 | + 7:0 | = 19:2 | + 1:0 | = 20:2";
        QTest::newRow("digits start anew") << "12 + 5 =" << "3 + 1 =" << "12:0 | + 7:0 | = 19:2 | 3:0 | + 1:0 | = 4:2";
        QTest::newRow("recalled value") << "12 + 5 = MR1" << "+ 1 =" << "12:0 | + 7:0 | = 19:2 | + 1:0 | = 20:2";
    }

    void finishContinuesFromTape()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, tape);
        Fixture f(before);
        f.editor.open(1);
        f.editor.ok({"+", "7", QString(), QString(), false});
        f.engine.resumeAfterEdit(f.editor.finishedValue());
        QCOMPARE(f.engine.display(), QStringLiteral("19"));
        press(f.engine, after);
        QCOMPARE(tapeText(f.tape), tape);
    }

    void removeCancelled_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("tape");
        QTest::newRow("cancel ends the first calculation") << "1 + 2 C 4 + 5 =" << "4:0 | + 5:0 | = 9:2";
        QTest::newRow("cancel in the middle") << "1 + 2 = 3 x 4 + C 5 - 1 =" << "1:0 | + 2:0 | = 3:2 | 5:0 | - 1:0 | = 4:2";
        QTest::newRow("continued total is kept") << "12 + 5 = + 3 C" << "12:0 | + 5:0 | = 17:2";
        QTest::newRow("continued total with lines") << "12 + 5 = + 3 x 4 C" << "12:0 | + 5:0 | = 17:2";
        QTest::newRow("function result is kept") << "9 F3 + 2 C" << "9:0 | RCarrée 3:1";
        QTest::newRow("function inside is removed") << "12 + 9 F3 C 1 + 1 =" << "1:0 | + 1:0 | = 2:2";
        QTest::newRow("struck lines only") << "2 x 3 F4 4 =" << "2:0 | x 4:0 | = 8:2";
        QTest::newRow("struck lines of a cancelled calculation") << "2 x 3 F4 4 x 5 C" << "";
        QTest::newRow("only cancel lines") << "C 1 + C" << "";
        QTest::newRow("nothing cancelled") << "1 + 2 =" << "1:0 | + 2:0 | = 3:2";
    }

    void removeCancelled()
    {
        QFETCH(QString, keys);
        QFETCH(QString, tape);
        Fixture f(keys);
        CancelledCalculations::remove(f.tape);
        QCOMPARE(tapeText(f.tape), tape);
    }

    // Random keypad sessions: recalculating every calculation of the tape must
    // give back every value the keypad wrote, whatever the keys: entries longer
    // than the tape holds, numbers typed, recalled or cleared right after a
    // function inside a calculation, every function and operator. A session in
    // which the keypad refused an operation with a message is left out: the
    // recalculation then writes "Erreur!" by design.
    void recalculationReproducesKeypad()
    {
        QRandomGenerator random(20261207);
        const auto pick = [&random](const QStringList &keys) { return keys[random.bounded(int(keys.size()))]; };
        const auto digits = [&random](int count) {
            QString text;
            for (int i = 0; i < count; ++i)
                text += QChar(u'0' + random.bounded(i == 0 ? 1 : 0, 10));
            return text;
        };
        const auto number = [&] {
            QString text;
            switch (random.bounded(8)) {
            case 0: text = "pi"; break;
            case 1: text = random.bounded(2) == 0 ? "MR1" : "pi"; break;
            case 2: text = digits(random.bounded(1, 4)) + ',' + digits(random.bounded(14, 20)); break;
            case 3: text = "0,0000" + digits(random.bounded(1, 4)); break;
            default:
                text = digits(random.bounded(1, 4));
                if (random.bounded(3) == 0)
                    text += ',' + digits(random.bounded(1, 3));
                break;
            }
            if (random.bounded(5) == 0)
                text += " +/-";
            return text;
        };
        const QStringList functionKeys{"F0", "F1", "F2", "F2r", "F3", "F4", "F5", "F6",
                                       "F7", "F7r", "F8", "F8r", "F9", "F10", "F11", "+/-"};
        // The four common operators often, the three that refuse most rarely.
        QStringList operators{"Mod", "x^y", "Logn"};
        for (int i = 0; i < 8; ++i)
            operators << "+" << "-" << "x" << "/";
        const auto functions = [&] {
            QStringList keys;
            while (random.bounded(3) == 0)
                keys << pick(functionKeys);
            return keys;
        };
        const int sessions = 10000;
        int blocks = 0;
        int refused = 0;
        for (int session = 0; session < sessions; ++session) {
            Fixture f{QString()};
            f.prompt.inputAnswers = QStringList(200, "2");
            QStringList keys;
            std::vector<bool> afterRefusal; // per line: written by a calculation with a refusal
            for (int calculation = 0; calculation < 4; ++calculation) {
                QStringList step;
                // A new calculation, or one continued from the last result.
                if (calculation == 0 || random.bounded(2) == 0)
                    step << number() << functions();
                for (int operation = random.bounded(1, 4); operation > 0; --operation) {
                    step << pick(operators) << number() << functions();
                    // A value that replaces the result of those functions.
                    if (random.bounded(4) == 0)
                        step << (random.bounded(6) == 0 ? QStringList{"CE"} : QStringList{number()}) << functions();
                }
                step << (random.bounded(20) == 0 ? "C" : "=") << functions();
                if (random.bounded(4) == 0)
                    step << "MS1";
                const qsizetype messages = f.prompt.messages.size();
                press(f.engine, step.join(' '));
                afterRefusal.resize(std::size_t(f.tape.openLineIndex()), f.prompt.messages.size() > messages);
                keys << step;
            }
            const QString written = tapeText(f.tape);
            for (qint64 line = 0; line < f.tape.openLineIndex();) {
                const auto [first, last] = f.tape.block(line);
                const auto begin = afterRefusal.begin();
                if (std::find(begin + first, begin + last + 1, true) == begin + last + 1)
                    Recalculator::recalculate(f.tape, first, last);
                else
                    ++refused;
                ++blocks;
                line = last + 1;
            }
            QVERIFY2(tapeText(f.tape) == written,
                     qPrintable(keys.join(' ') + "\n" + written + "\n" + tapeText(f.tape)));
        }
        QVERIFY2(refused < blocks / 5, qPrintable(QStringLiteral("%1 of %2").arg(refused).arg(blocks)));
    }
};

QTEST_APPLESS_MAIN(TestLineEditing)
#include "test_line_editing.moc"
