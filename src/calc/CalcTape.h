#pragma once

#include <QString>
#include <QtGlobal>

// The tape as the calculator writes it: finished lines 0..n-1 and the open
// line n the engine fills, the columns of a line and the kinds of line. The
// tape area implements it, so that the engine needs nothing of how the tape
// is stored, shown, filed or printed.
class CalcTape
{
public:
    enum Column { OperatorColumn = 0, ValueColumn = 1, CommentColumn = 2, ParameterColumn = 3 };
    // What a line is. The tape keeps it with the line; its colours, its
    // digit in a file and its print form are drawn from it.
    enum class Kind : quint8 { Operand = 0, Function = 1, Total = 2, Cancel = 3 };

    // Index of the open line; also the number of finished lines.
    virtual qint64 openLineIndex() const = 0;
    virtual QString cell(qint64 line, int column) const = 0;
    virtual void setCell(qint64 line, int column, const QString &text) = 0;
    virtual void setKind(qint64 line, Kind kind) = 0;
    virtual Kind kind(qint64 line) const = 0;
    // Leaves a line of a calculation on the tape but out of it.
    virtual void strikeOut(qint64 line) = 0;
    // Closes the open line and opens a new one.
    virtual void appendLine() = 0;
    // An empty tape: just the open line.
    virtual void clear() = 0;

    void setOpen(int column, const QString &text) { setCell(openLineIndex(), column, text); }

protected:
    ~CalcTape() = default;
};
