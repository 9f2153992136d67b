#pragma once

#include "calc/CalcEngine.h"
#include "tape/Tape.h"

#include <QStringList>

// Drives an engine with a readable key sequence, separated by blanks:
// digits and "," as typed; "+/-" sign; "BS" backspace; "CE" clear entry;
// "C" clear all; "+", "-", "x", "/", "Mod", "x^y", "Logn" operators; "=";
// "F3" function 3 with the left button, "F3r" with the right one;
// "MS1"/"MR1" store/recall memory 1; "pi" the constant.
inline void press(CalcEngine &engine, const QString &sequence)
{
    static const QStringList ops{"+", "-", "x", "/", "Mod", "x^y", "Logn"};
    for (const QString &key : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (key == "+/-") engine.signKey();
        else if (key == "BS") engine.backspaceKey();
        else if (key == "CE") engine.clearEntryKey();
        else if (key == "C") engine.clearAllKey();
        else if (key == "=") engine.equalsKey();
        else if (key == ",") engine.decimalKey();
        else if (key == "pi") engine.constantKey(0);
        else if (ops.contains(key)) engine.operatorKey(Operator(ops.indexOf(key)));
        else if (key.startsWith("MS")) engine.memoryKey(key.mid(2).toInt() - 1, KeyButton::Left);
        else if (key.startsWith("MR")) engine.memoryKey(key.mid(2).toInt() - 1, KeyButton::Right);
        else if (key.size() > 1 && key.startsWith('F')) {
            const bool right = key.endsWith('r');
            engine.functionKey(FunctionKey(key.mid(1, key.size() - (right ? 2 : 1)).toInt()),
                               right ? KeyButton::Right : KeyButton::Left);
        } else {
            for (QChar c : key) {
                if (c == QLatin1Char(',')) engine.decimalKey();
                else engine.digitKey(c.digitValue());
            }
        }
    }
}

// The finished lines as "col0 col1" texts with the kind after a colon,
// joined by " | ": "12:0 | + 5:0 | = 17:2".
inline QString tapeText(const Tape &tape)
{
    QStringList lines;
    for (qint64 i = 0; i < tape.openLineIndex(); ++i) {
        const QString op = tape.cell(i, Tape::OperatorColumn);
        const QString value = tape.cell(i, Tape::ValueColumn);
        lines << (op.isEmpty() ? value : op + ' ' + value) + ':' + QString::number(int(tape.kind(i)));
    }
    return lines.join(QStringLiteral(" | "));
}
