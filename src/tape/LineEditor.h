#pragma once

#include "tape/Tape.h"

#include <QString>
#include <optional>

class UserPrompt;

// The edit of one finished line of the tape: what the edit frame shows,
// what its three buttons do to the tape, and the recalculation that follows.
class LineEditor
{
public:
    enum class Layout { None, Function, Total, Operand, FirstOperand };

    // What the edit frame shows when it opens on a line.
    struct Opening
    {
        Layout layout = Layout::None;
        QString caption; // "Edition de la ligne: + 5"
        QString op; // column 0
        QString value; // column 1
        QString comment; // column 2 without its indent
    };

    // The frame's fields when a button is pressed.
    struct Fields
    {
        QString op;
        QString value;
        QString function;
        QString comment;
        bool commentChanged = false;
    };

    enum class Outcome { Finished, StayOpen };

    // The edit frame's three buttons (cmdAction 0-2).
    enum class Button { Remove, Ok, Cancel };

    LineEditor(Tape &tape, UserPrompt &prompt);

    // Nothing opens on the open line; a cancel line shows its message.
    Opening open(qint64 line);

    Outcome remove();
    // OK: StayOpen when the operand is not a number (message shown, the
    // comment already applied), then the operand field takes the focus.
    Outcome ok(Fields fields);

    // Finish: the value the calculator continues from when the edited
    // calculation is the last one on the tape (not a cancel line nor "Erreur!").
    std::optional<double> finishedValue() const;

    // The line and block being edited.
    qint64 line() const { return m_line; }
    std::pair<qint64, qint64> block() const { return {m_first, m_last}; }

    static QString cancelLineMessage();
    static QString invalidValueMessage();

private:
    void removeAt(qint64 line);
    QString askDecimals();

    Tape &m_tape;
    UserPrompt &m_prompt;
    qint64 m_line = -1;
    qint64 m_first = 0;
    qint64 m_last = 0;
};
