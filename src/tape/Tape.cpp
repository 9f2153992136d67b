#include "tape/Tape.h"

Tape::Tape(QObject *parent)
    : QObject(parent), m_lines(1)
{
}

QString Tape::cell(qint64 line, int column) const
{
    return m_lines[std::size_t(line)].cells[column];
}

void Tape::setCell(qint64 line, int column, const QString &text)
{
    m_lines[std::size_t(line)].cells[column] = text;
    emit lineChanged(line);
}

void Tape::setBackColor(qint64 line, quint32 color)
{
    m_lines[std::size_t(line)].backColor = color;
    emit lineChanged(line);
}

void Tape::setValueForeColor(qint64 line, quint32 color)
{
    m_lines[std::size_t(line)].valueForeColor = color;
    emit lineChanged(line);
}

Tape::Kind Tape::kind(qint64 line) const
{
    switch (m_lines[std::size_t(line)].backColor) {
    case FunctionBack: return Kind::Function;
    case TotalBack: return Kind::Total;
    case CancelBack: return Kind::Cancel;
    default: return Kind::Operand;
    }
}

QString Tape::comment(qint64 line) const
{
    return cell(line, CommentColumn).trimmed();
}

void Tape::setComment(qint64 line, const QString &comment)
{
    if (comment.trimmed().isEmpty())
        setCell(line, CommentColumn, QString());
    else
        setCell(line, CommentColumn, QString(CommentIndent, QLatin1Char(' ')) + comment);
}

void Tape::appendLine()
{
    emit aboutToAppendLine();
    m_lines.emplace_back();
    emit lineAppended();
}

void Tape::clear()
{
    emit aboutToReset();
    m_lines.clear();
    m_lines.emplace_back();
    emit tapeReset();
}

void Tape::replace(std::deque<TapeLine> finishedLines)
{
    emit aboutToReset();
    m_lines = std::move(finishedLines);
    m_lines.emplace_back();
    emit tapeReset();
}

void Tape::removeLine(qint64 line)
{
    emit aboutToRemoveLine(line);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(line));
    emit lineRemoved();
}

void Tape::keepLines(const std::vector<bool> &keep)
{
    emit aboutToReset();
    // Compacts in place: the kept lines move down, the open line follows
    // them, and the tail goes in one erase.
    std::size_t write = 0;
    const std::size_t finished = m_lines.size() - 1;
    for (std::size_t read = 0; read < finished; ++read) {
        if (!keep[read])
            continue;
        if (write != read)
            m_lines[write] = std::move(m_lines[read]);
        ++write;
    }
    m_lines[write] = std::move(m_lines[finished]);
    m_lines.erase(m_lines.begin() + std::ptrdiff_t(write + 1), m_lines.end());
    emit tapeReset();
}

std::pair<qint64, qint64> Tape::block(qint64 line) const
{
    qint64 first = line;
    while (first > 0 && !cell(first, OperatorColumn).isEmpty())
        --first;
    qint64 last = first;
    while (last + 1 < openLineIndex() && !cell(last + 1, OperatorColumn).isEmpty())
        ++last;
    return {first, last};
}
