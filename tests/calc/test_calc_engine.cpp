#include "calc/CalcEngine.h"
#include "calc/NumberText.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeLineColours.h"

#include <QtTest>

// Whole key sequences on a fresh calculator: the display, the finished tape
// lines (with their kinds) and the messages shown.

class TestCalcEngine : public QObject
{
    Q_OBJECT
private slots:
    void sequences_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("messages");

        const QString none;
        const QString div0 = "Erreur: Division par zéro.";
        // Number entry
        QTest::newRow("start") << "" << "0" << "" << none;
        QTest::newRow("leading zeros") << "0 0 7" << "7" << "" << none;
        QTest::newRow("comma first") << "," << "0," << "" << none;
        QTest::newRow("second comma ignored") << "3 , 5 ," << "3,5" << "" << none;
        QTest::newRow("zero comma seven") << "0 , 7" << "0,7" << "" << none;
        QTest::newRow("sign on zero") << "+/-" << "0" << "0:0 | +/- 0:1" << none;
        QTest::newRow("sign on typed zero") << "0 +/-" << "0" << "" << none;
        QTest::newRow("sign on 0,5") << "0,5 +/-" << "-0,5" << "" << none;
        QTest::newRow("sign twice") << "0,5 +/- +/-" << "0,5" << "" << none;
        QTest::newRow("sign on -12") << "12 +/- +/-" << "12" << "" << none;
        QTest::newRow("backspace -5") << "5 +/- BS" << "0" << "" << none;
        QTest::newRow("backspace 5") << "5 BS" << "0" << "" << none;
        QTest::newRow("backspace 12,5") << "12,5 BS" << "12," << "" << none;
        QTest::newRow("digit after backspace to 0") << "5 BS 7" << "7" << "" << none;
        QTest::newRow("backspace after total") << "12 + 5 = BS" << "17" << "12:0 | + 5:0 | = 17:2" << none;
        QTest::newRow("clear entry while typing operand") << "12 + 5 CE 3 =" << "15" << "12:0 | + 3:0 | = 15:2" << none;
        QTest::newRow("clear all during operation") << "12 + 5 C" << "0" << "12:0 | Annulation:3" << none;
        QTest::newRow("clear all without operation") << "12 C" << "0" << "" << none;
        QTest::newRow("sign on total") << "12 + 5 = +/-" << "-17" << "12:0 | + 5:0 | = 17:2 | +/- -17:1" << none;
        QTest::newRow("sign on total then continue")
            << "12 + 5 = +/- + 3 =" << "-14" << "12:0 | + 5:0 | = 17:2 | +/- -17:1 | + 3:0 | = -14:2" << none;
        QTest::newRow("sign after operator") << "12 + +/- =" << "0" << "12:0 | + 12:0 | +/- -12:1 | = 0:2" << none;
        // Operators
        QTest::newRow("no precedence") << "2 + 3 x 4 =" << "20" << "2:0 | + 3:0 | x 4:0 | = 20:2" << none;
        QTest::newRow("chain 12+5x2") << "12 + 5 x 2 =" << "34" << "12:0 | + 5:0 | x 2:0 | = 34:2" << none;
        QTest::newRow("operator replaced") << "12 + x 3 =" << "36" << "12:0 | x 3:0 | = 36:2" << none;
        QTest::newRow("equals right after operator") << "12 + =" << "12" << "12:0 | = 12:2" << none;
        QTest::newRow("equals shows total not typed text") << "12 , + =" << "12" << "12:0 | = 12:2" << none;
        QTest::newRow("equals without operation") << "12 =" << "12" << "" << none;
        QTest::newRow("second equals") << "12 + 5 = =" << "17" << "12:0 | + 5:0 | = 17:2" << none;
        QTest::newRow("continue from total") << "12 + 5 = + 3 =" << "20" << "12:0 | + 5:0 | = 17:2 | + 3:0 | = 20:2" << none;
        QTest::newRow("digit after total starts anew") << "12 + 5 = 4 + 1 =" << "5" << "12:0 | + 5:0 | = 17:2 | 4:0 | + 1:0 | = 5:2" << none;
        QTest::newRow("0,3-0,1") << "0,3 - 0,1 =" << "0,2" << "0,3:0 | - 0,1:0 | = 0,2:2" << none;
        QTest::newRow("1-0,9") << "1 - 0,9 =" << "0,1" << "1:0 | - 0,9:0 | = 0,1:2" << none;
        QTest::newRow("10-0,125") << "10 - 0,125 =" << "9,875" << "10:0 | - 0,125:0 | = 9,875:2" << none;
        QTest::newRow("small operands keep their decimals") << "0,00001 - 0,000001 =" << "9E-06" << "1E-05:0 | - 1E-06:0 | = 9E-06:2" << none;
        QTest::newRow("small operand minus 0") << "0,0000001 - 0 =" << "1E-07" << "1E-07:0 | - 0:0 | = 1E-07:2" << none;
        QTest::newRow("0,1+0,2 not rounded") << "0,1 + 0,2 =" << "0,3" << "0,1:0 | + 0,2:0 | = 0,3:2" << none;
        QTest::newRow("10/0") << "10 / 0 =" << "10" << "10:0 | / 0:0 | = 10:2" << div0;
        QTest::newRow("12/0 then go on") << "12 / 0 = " << "12" << "12:0 | / 0:0 | = 12:2" << div0;
        QTest::newRow("refusal keeps calculation open") << "12 / 0 + 3 =" << "15" << "12:0 | / 0:0 | + 3:0 | = 15:2" << div0;
        QTest::newRow("10 Mod 0,4") << "10 Mod 0,4 =" << "10" << "10:0 | Mod 0,4:0 | = 10:2" << div0;
        QTest::newRow("10 Mod 0,6") << "10 Mod 0,6 =" << "0" << "10:0 | Mod 0,6:0 | = 0:2" << none;
        QTest::newRow("7 Mod 3") << "7 Mod 3 =" << "1" << "7:0 | Mod 3:0 | = 1:2" << none;
        QTest::newRow("-7 Mod 3") << "7 +/- Mod 3 =" << "-1" << "-7:0 | Mod 3:0 | = -1:2" << none;
        QTest::newRow("7,6 Mod 3") << "7,6 Mod 3 =" << "2" << "7,6:0 | Mod 3:0 | = 2:2" << none;
        QTest::newRow("2,5 Mod 3 ties to even") << "2,5 Mod 3 =" << "2" << "2,5:0 | Mod 3:0 | = 2:2" << none;
        QTest::newRow("-8 x^y 3") << "8 +/- x^y 3 =" << "-512" << "-8:0 | x^y 3:0 | = -512:2" << none;
        QTest::newRow("-8 x^y 0,5") << "8 +/- x^y 0,5 =" << "-8" << "-8:0 | x^y 0,5:0 | = -8:2"
                                    << "Erreur: l'exposant doit être entier si le nombre à élever est négatif.";
        QTest::newRow("8 x^y 0,5") << "8 x^y 0,5 =" << "2,82842712474619" << "8:0 | x^y 0,5:0 | = 2,82842712474619:2" << none;
        QTest::newRow("8 Log n 2") << "8 Logn 2 =" << "3" << "8:0 | Log n 2:0 | = 3:2" << none;
        QTest::newRow("8 Log n 1") << "8 Logn 1 =" << "8" << "8:0 | Log n 1:0 | = 8:2" << "Erreur: Log(n) doit être différent de 0.";
        QTest::newRow("0 Log n 2") << "0 Logn 2 =" << "0" << "0:0 | Log n 2:0 | = 0:2" << "Erreur: nombres négatifs ou nuls interdits.";
        QTest::newRow("8 Log n -2") << "8 Logn 2 +/- =" << "8" << "8:0 | Log n -2:0 | = 8:2" << "Erreur: nombres négatifs ou nuls interdits.";
        QTest::newRow("Log n checks sign before base 1") << "0 Logn 1 =" << "0" << "0:0 | Log n 1:0 | = 0:2" << "Erreur: nombres négatifs ou nuls interdits.";
        // The engine's own refusals: results out of range and zero to a negative power
        const QString overflow = "Erreur: le résultat dépasse la capacité de la calculatrice.";
        QTest::newRow("overflow product") << "10 x^y 308 = x 100 =" << "1E+308"
                                          << "10:0 | x^y 308:0 | = 1E+308:2 | x 100:0 | = 1E+308:2" << overflow;
        QTest::newRow("overflow power") << "10 x^y 400 =" << "10" << "10:0 | x^y 400:0 | = 10:2" << overflow;
        QTest::newRow("zero to negative power") << "0 x^y 2 +/- =" << "0" << "0:0 | x^y -2:0 | = 0:2"
                                                << "Erreur: zéro ne peut pas être élevé à une puissance négative.";
        QTest::newRow("Mod beyond 32 bits") << "3000000000 Mod 7 =" << "3000000000" << "3000000000:0 | Mod 7:0 | = 3000000000:2"
                                            << "Erreur: le reste ne se calcule que sur des nombres entiers de -2147483648 à 2147483647.";
        // Functions
        QTest::newRow("square root of 9") << "9 F3" << "3" << "9:0 | RCarrée 3:1" << none;
        QTest::newRow("square root in operation") << "12 + 9 F3 =" << "15" << "12:0 | + 9:0 | RCarrée 3:1 | = 15:2" << none;
        QTest::newRow("square root after operator") << "12 + F3 =" << "15,4641016151378"
            << "12:0 | + 12:0 | RCarrée 3,46410161513775:1 | = 15,4641016151378:2" << none;
        QTest::newRow("cosine at start") << "F9" << "1" << "0:0 | Cos 1:1" << none;
        QTest::newRow("square root refused") << "4 +/- F3" << "-4" << "-4:0" << none;
        QTest::newRow("1/0 refused") << "0 F6" << "0" << "0:0" << none;
        QTest::newRow("1/2") << "2 F6" << "0,5" << "2:0 | 1/x 0,5:1" << none;
        QTest::newRow("decimal part 12,5") << "12,5 F2r" << "0,5" << "12,5:0 | 0,00 0,5:1" << none;
        QTest::newRow("decimal part 12") << "12 F2r" << "0" << "12:0 | 0,00 0:1" << none;
        QTest::newRow("decimal part -2,75") << "2,75 +/- F2r" << "0,75" << "-2,75:0 | 0,00 0,75:1" << none;
        QTest::newRow("integer part -12,5") << "12,5 +/- F2" << "-12" << "-12,5:0 | Int -12:1" << none;
        QTest::newRow("integer part -2,7") << "2,7 +/- F2" << "-2" << "-2,7:0 | Int -2:1" << none;
        QTest::newRow("100 francs in euros") << "100 F0" << "15,24" << "100:0 | Euros 15,24:1" << none;
        QTest::newRow("10 euros in francs") << "10 F1" << "65,6" << "10:0 | Francs 65,6:1" << none;
        QTest::newRow("6,55957 francs") << "6,55957 F0" << "1" << "6,55957:0 | Euros 1:1" << none;
        QTest::newRow("square") << "12 F4" << "144" << "12:0 | Carré 144:1" << none;
        QTest::newRow("cube") << "3 F5" << "27" << "3:0 | Cube 27:1" << none;
        QTest::newRow("square overflow refused") << "10 x^y 200 = F4" << "1E+200" << "10:0 | x^y 200:0 | = 1E+200:2" << none;
        QTest::newRow("ln 1") << "1 F7" << "0" << "1:0 | Log 0:1" << none;
        QTest::newRow("ln 0 refused") << "0 F7" << "0" << "0:0" << none;
        QTest::newRow("e^1") << "1 F7r" << "2,71828182845905" << "1:0 | e^x 2,71828182845905:1" << none;
        QTest::newRow("e^1000 refused") << "1000 F7r" << "1000" << "1000:0" << none;
        QTest::newRow("cos 60") << "60 F9" << "0,5" << "60:0 | Cos 0,5:1" << none;
        QTest::newRow("sin 30") << "30 F10" << "0,5" << "30:0 | Sin 0,5:1" << none;
        QTest::newRow("tan 45") << "45 F11" << "1" << "45:0 | Tan 1:1" << none;
        QTest::newRow("cos 90") << "90 F9" << "0" << "90:0 | Cos 0:1" << none;
        QTest::newRow("sin 180 no minus zero") << "180 F10" << "0" << "180:0 | Sin 0:1" << none;
        QTest::newRow("pi then digit") << "pi 2" << "3,14159265358979323846264338327952" << "" << none;
        QTest::newRow("pi comma ignored") << "pi ," << "3,1415926535897932384626433832795" << "" << none;
        QTest::newRow("pi in operation") << "1 + pi =" << "4,14159265358979" << "1:0 | + 3,14159265358979:0 | = 4,14159265358979:2" << none;
        // An entry counts with the digits the tape holds of it.
        QTest::newRow("pi times 2") << "pi x 2 =" << "6,28318530717958" << "3,14159265358979:0 | x 2:0 | = 6,28318530717958:2" << none;
        QTest::newRow("long typed operand") << "0,1234567890123456 x 2 =" << "0,246913578024692"
            << "0,123456789012346:0 | x 2:0 | = 0,246913578024692:2" << none;
        // A value given right after a function inside a calculation replaces
        // the function's result; the replaced lines are struck out.
        QTest::newRow("number after function") << "2 x 3 F4 4 =" << "8" << "2:0 | x 3:3 | Carré 9:3 | x 4:0 | = 8:2" << none;
        QTest::newRow("twice") << "2 x 3 F4 4 F4 5 =" << "10" << "2:0 | x 3:3 | Carré 9:3 | x 4:3 | Carré 16:3 | x 5:0 | = 10:2" << none;
        QTest::newRow("recalled after function") << "5 MS1 C 2 x 3 F4 MR1 x 1 =" << "10" << "2:0 | x 3:3 | Carré 9:3 | x 5:0 | x 1:0 | = 10:2" << none;
        QTest::newRow("cleared after function") << "2 x 3 F4 CE =" << "0" << "2:0 | x 3:3 | Carré 9:3 | x 0:0 | = 0:2" << none;
        QTest::newRow("function after operator then number") << "12 + F3 5 F4 =" << "37" << "12:0 | + 12:3 | RCarrée 3,46410161513775:3 | + 5:0 | Carré 25:1 | = 37:2" << none;
        QTest::newRow("function after total") << "12 + 4 = F3" << "4" << "12:0 | + 4:0 | = 16:2 | RCarrée 4:1" << none;
        QTest::newRow("function on recalled value") << "5 MS1 C MR1 F4" << "25" << "5:0 | Carré 25:1" << none;
    }

    void sequences()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, tape);
        QFETCH(QString, messages);
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        press(engine, keys);
        QCOMPARE(engine.display(), display);
        QCOMPARE(tapeText(t), tape);
        QCOMPARE(prompt.messages.join('\n'), messages);
    }

    void decimalsQuestion_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<int>("questions");

        QTest::newRow("cut 2") << "3,14159 F8" << QStringList{"2"} << "3,14" << "3,14159:0 | Décimal 3,14:1" << "2" << 1;
        QTest::newRow("round 3") << "3,14159 F8r" << QStringList{"3"} << "3,142" << "3,14159:0 | Arrond 3,142:1" << "3" << 1;
        QTest::newRow("cut negative") << "3,14159 +/- F8" << QStringList{"2"} << "-3,14" << "-3,14159:0 | Décimal -3,14:1" << "2" << 1;
        QTest::newRow("cut 0") << "3,14159 F8" << QStringList{"0"} << "3" << "3,14159:0 | Décimal 3:1" << "0" << 1;
        QTest::newRow("cut keeps 516,39") << "516,39 F8" << QStringList{"2"} << "516,39" << "516,39:0 | Décimal 516,39:1" << "2" << 1;
        QTest::newRow("round tie 2,675") << "2,675 F8r" << QStringList{"2"} << "2,68" << "2,675:0 | Arrond 2,68:1" << "2" << 1;
        QTest::newRow("round tie 0,125") << "0,125 F8r" << QStringList{"2"} << "0,12" << "0,125:0 | Arrond 0,12:1" << "2" << 1;
        QTest::newRow("round 2,5 to 0") << "2,5 F8r" << QStringList{"0"} << "2" << "2,5:0 | Arrond 2:1" << "0" << 1;
        QTest::newRow("whole number not asked") << "3 F8" << QStringList{"2"} << "3" << "3:0" << "" << 0;
        QTest::newRow("letters ask again") << "3,14159 F8" << QStringList{"abc", "2"} << "3,14" << "3,14159:0 | Décimal 3,14:1" << "2" << 2;
        QTest::newRow("empty refuses") << "3,14159 F8" << QStringList{""} << "3,14159" << "3,14159:0" << "" << 1;
        QTest::newRow("minus one refuses") << "3,14159 F8" << QStringList{"-1"} << "3,14159" << "3,14159:0" << "" << 1;
        QTest::newRow("2,7 uses 2") << "3,14159 F8" << QStringList{"2,7"} << "3,14" << "3,14159:0 | Décimal 3,14:1" << "2" << 1;
        QTest::newRow("huge answer capped") << "3,14159 F8r" << QStringList{"1E10"} << "3,14159" << "3,14159:0 | Arrond 3,14159:1" << "10000000000" << 1;
        QTest::newRow("tiny value many decimals") << "0,000001234 F8r" << QStringList{"8"} << "1,23E-06" << "1,234E-06:0 | Arrond 1,23E-06:1" << "8" << 1;
    }

    void decimalsQuestion()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, answers);
        QFETCH(QString, display);
        QFETCH(QString, tape);
        QFETCH(QString, parameter);
        QFETCH(int, questions);
        Tape t;
        ScriptedPrompt prompt;
        prompt.inputAnswers = answers;
        CalcEngine engine(t, prompt);
        press(engine, keys);
        QCOMPARE(engine.display(), display);
        QCOMPARE(tapeText(t), tape);
        QCOMPARE(prompt.prompts.size(), questions);
        if (questions > 0)
            QCOMPARE(prompt.prompts.first(), QStringLiteral("Nombre de décimales à utiliser:"));
        const qint64 last = t.openLineIndex() - 1;
        QCOMPARE(t.cell(last, Tape::ParameterColumn), parameter);
        QCOMPARE(engine.entryState(), EntryState::ResultShown);
    }

    void clearEntryDuringOperation()
    {
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        press(engine, "12 + 5 CE");
        QCOMPARE(engine.operand(), 0.0);
        QCOMPARE(engine.accumulator(), 12.0);
        QCOMPARE(engine.display(), QStringLiteral("0"));

        // Clear entry right after a total: the 0 starts a new calculation.
        Tape t2;
        CalcEngine e2(t2, prompt);
        press(e2, "12 + 5 = CE + 3 =");
        QCOMPARE(tapeText(t2), QStringLiteral("12:0 | + 5:0 | = 17:2 | 0:0 | + 3:0 | = 3:2"));
    }

    void memoryStoreAndRecall()
    {
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        QCOMPARE(engine.memoryPanelText(0), QStringLiteral("M1: 0"));
        press(engine, "12,5 MS1");
        QCOMPARE(engine.memoryPanelText(0), QStringLiteral("M1: 12,5"));
        QCOMPARE(engine.display(), QStringLiteral("12,5"));
        QCOMPARE(engine.entryState(), EntryState::Typing);
        QCOMPARE(t.openLineIndex(), 0);
        press(engine, "C 3 + MR1");
        QCOMPARE(engine.display(), QStringLiteral("12,5"));
        QCOMPARE(engine.entryState(), EntryState::ValueRecalled);
        press(engine, "=");
        QCOMPARE(engine.display(), QStringLiteral("15,5"));
        QCOMPARE(tapeText(t), QStringLiteral("3:0 | + 12,5:0 | = 15,5:2"));
        // Memories survive a new tape.
        engine.newTape();
        QCOMPARE(engine.memory(0), 12.5);
    }

    void memoryStoreTakesShownValue_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("stored");
        QTest::newRow("after operator: accumulator") << "12 + MS2" << 12.0;
        QTest::newRow("after recall in operation") << "7 MS1 C 3 + MR1 MS2" << 7.0;
        QTest::newRow("after function in operation") << "3 + 16 F3 MS2" << 4.0;
        QTest::newRow("after sign in operation") << "3 + 5 MS1 C 3 + MR1 +/- MS2" << -5.0;
        QTest::newRow("after total") << "3 + 4 = MS2" << 7.0;
        QTest::newRow("typed text") << "0,25 MS2" << 0.25;
        QTest::newRow("after clear entry") << "3 + 4 = CE MS2" << 0.0;
    }

    void memoryStoreTakesShownValue()
    {
        QFETCH(QString, keys);
        QFETCH(double, stored);
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        press(engine, keys);
        QCOMPARE(engine.memory(1), stored);
        QCOMPARE(TextToNumber(engine.display()).value(), stored);
    }

    void newTapeEndsOperation()
    {
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        press(engine, "12 + 5");
        engine.newTape();
        QCOMPARE(t.rowCount(), 1);
        QCOMPARE(engine.display(), QStringLiteral("0"));
        QCOMPARE(engine.entryState(), EntryState::Cleared);
        QVERIFY(!engine.operationInProgress());
        press(engine, "3 + 4 =");
        QCOMPARE(tapeText(t), QStringLiteral("3:0 | + 4:0 | = 7:2"));
    }

    void paste_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("tape");
        QTest::newRow("3,25") << "" << "3,25" << true << "3,25" << "3,25:0 | + 1:0 | = 4,25:2";
        QTest::newRow("abc") << "7" << "abc" << false << "7" << "7:0 | + 1:0 | = 8:2";
        QTest::newRow("blanks around") << "" << " 12 " << true << "12" << "12:0 | + 1:0 | = 13:2";
        QTest::newRow("into operand") << "5 +" << "2" << true << "2" << "5:0 | + 2:0 | + 1:0 | = 8:2";
        QTest::newRow("100 characters") << "" << "1" + QString(99, '0') << true << "1E+99" << "1E+99:0 | + 1:0 | = 1E+99:2";
        QTest::newRow("101 characters refused") << "7" << "1" + QString(100, '0') << false << "7" << "7:0 | + 1:0 | = 8:2";
        QTest::newRow("huge exponent refused") << "7" << "10E99999999999999999999" << false << "7" << "7:0 | + 1:0 | = 8:2";
        QTest::newRow("tiny exponent is 0") << "7" << "0,01E-99999999999999999999" << true << "0" << "0:0 | + 1:0 | = 1:2";
    }

    void paste()
    {
        QFETCH(QString, keys);
        QFETCH(QString, clipboard);
        QFETCH(bool, accepted);
        QFETCH(QString, display);
        QFETCH(QString, tape);
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        press(engine, keys);
        QCOMPARE(engine.paste(clipboard), accepted);
        QCOMPARE(engine.display(), display);
        press(engine, "+ 1 =");
        QCOMPARE(tapeText(t), tape);
    }

    void typedTextBeyondDoubleIsRefused()
    {
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        engine.digitKey(1);
        for (int i = 0; i < 400; ++i)
            engine.digitKey(0);
        engine.operatorKey(Operator::Add);
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(t.openLineIndex(), 0);
        QCOMPARE(engine.entryState(), EntryState::Typing);
        engine.clearEntryKey();
        press(engine, "2 + 3 =");
        QCOMPARE(tapeText(t), QStringLiteral("2:0 | + 3:0 | = 5:2"));
        for (const QString &text : {engine.display(), tapeText(t)}) {
            QVERIFY(!text.contains("inf", Qt::CaseInsensitive));
            QVERIFY(!text.contains("nan", Qt::CaseInsensitive));
        }
    }

    void cancelLineColours()
    {
        Tape t;
        ScriptedPrompt prompt;
        CalcEngine engine(t, prompt);
        press(engine, "12 + C");
        QCOMPARE(t.openLineIndex(), 2);
        QCOMPARE(t.cell(1, Tape::OperatorColumn), QString());
        QCOMPARE(TapeLineColours::back(t.line(1).kind), TapeLineColours::CancelBack);
        QCOMPARE(TapeLineColours::valueFore(t.line(1).kind), TapeLineColours::CancelFore);
        QCOMPARE(t.kind(1), Tape::Kind::Cancel);
        QCOMPARE(engine.accumulator(), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestCalcEngine)
#include "test_calc_engine.moc"
