#pragma once

#include "tape/TapeLines.h"

#include <QObject>
#include <utility>
#include <vector>

// The calculation tape: finished lines 0..n-1 and the open line n on which
// the engine writes.
class Tape : public QObject
{
    Q_OBJECT
public:
    enum Column { OperatorColumn = 0, ValueColumn = 1, CommentColumn = 2, ParameterColumn = 3 };
    enum class Kind { Operand = 0, Function = 1, Total = 2, Cancel = 3 };

    static constexpr quint32 FunctionBack = 0xE0E0E0;
    static constexpr quint32 TotalBack = 0xC0C0C0;
    static constexpr quint32 CancelBack = 0x80000012;  // system button text
    static constexpr quint32 CancelFore = 0x8000000E;  // system highlight text
    static constexpr int CommentIndent = 10;

    explicit Tape(QObject *parent = nullptr);

    // Index of the open line; also the number of finished lines. Wider than
    // 16 bits so that a long tape never wraps.
    qint64 openLineIndex() const { return qint64(m_lines.size()) - 1; }
    qint64 rowCount() const { return qint64(m_lines.size()); }

    const TapeLine &line(qint64 index) const { return m_lines[std::size_t(index)]; }
    QString cell(qint64 line, int column) const;
    void setCell(qint64 line, int column, const QString &text);
    void setBackColor(qint64 line, quint32 color);
    void setValueForeColor(qint64 line, quint32 color);
    Kind kind(qint64 line) const;

    // A struck-out line: a line of a calculation whose value was replaced
    // before the calculation went on. It keeps its operator and value, takes
    // the colours of a cancel line and is left out of the recalculation.
    void strikeOut(qint64 line);
    bool isStruckOut(qint64 line) const;

    // The comment without its indent, and setting it with the indent (an
    // empty or blank comment clears the cell and its marker).
    QString comment(qint64 line) const;
    void setComment(qint64 line, const QString &comment);

    // The open line shortcut used by the engine.
    void setOpen(int column, const QString &text) { setCell(openLineIndex(), column, text); }

    // AppendTapeLine: closes the open line and opens a new one.
    void appendLine();
    // An empty tape: just the open line.
    void clear();
    // Replaces the whole tape with finished lines (and a fresh open line).
    void replace(TapeLines finishedLines);

    // Removes one finished line.
    void removeLine(qint64 line);
    // Keeps the finished lines whose flag is true, in one pass.
    void keepLines(const std::vector<bool> &keep);

    // First and last line of the calculation the line belongs to.
    std::pair<qint64, qint64> block(qint64 line) const;

signals:
    void lineChanged(qint64 line);
    void aboutToAppendLine();
    void lineAppended();
    void aboutToReset();
    void aboutToRemoveLine(qint64 line);
    void lineRemoved();
    void tapeReset();

private:
    TapeLines m_lines;
};
