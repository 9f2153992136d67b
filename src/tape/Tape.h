#pragma once

#include "calc/CalcTape.h"
#include "tape/TapeLines.h"

#include <QObject>
#include <utility>
#include <vector>

// The calculation tape: finished lines 0..n-1 and the open line n on which
// the engine writes. The calculator sees it as a CalcTape.
class Tape final : public QObject, public CalcTape
{
    Q_OBJECT
public:
    static constexpr int CommentIndent = 10;

    explicit Tape(QObject *parent = nullptr);

    // Index of the open line; also the number of finished lines. Wider than
    // 16 bits so that a long tape never wraps.
    qint64 openLineIndex() const override { return qint64(m_lines.size()) - 1; }
    qint64 rowCount() const { return qint64(m_lines.size()); }

    const TapeLine &line(qint64 index) const { return m_lines[std::size_t(index)]; }
    QString cell(qint64 line, int column) const override;
    void setCell(qint64 line, int column, const QString &text) override;
    void setKind(qint64 line, Kind kind) override;
    Kind kind(qint64 line) const override { return m_lines[std::size_t(line)].kind; }

    // A struck-out line: a line of a calculation whose value was replaced
    // before the calculation went on. It keeps its operator and value, becomes
    // a cancel line and is left out of the recalculation.
    void strikeOut(qint64 line) override;
    bool isStruckOut(qint64 line) const;

    // The comment without its indent, and setting it with the indent (an
    // empty or blank comment clears the cell and its marker).
    QString comment(qint64 line) const;
    void setComment(qint64 line, const QString &comment);

    // AppendTapeLine: closes the open line and opens a new one.
    void appendLine() override;
    // An empty tape: just the open line.
    void clear() override;
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
