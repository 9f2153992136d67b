#include "tape/Tape.h"

Tape::Tape(QObject *parent) : QObject(parent) { m_lines.emplaceBack(); }

QString Tape::cell(qint64 line, int column) const { return m_lines[std::size_t(line)].cell(column); }

void Tape::setCell(qint64 line, int column, const QString &text)
{
    m_lines[std::size_t(line)].setCell(column, text);
    emit lineChanged(line);
}

void Tape::setKind(qint64 line, Kind kind)
{
    m_lines[std::size_t(line)].kind = kind;
    emit lineChanged(line);
}

void Tape::strikeOut(qint64 line) { setKind(line, Kind::Cancel); }

bool Tape::isStruckOut(qint64 line) const
{
    return kind(line) == Kind::Cancel && !m_lines[std::size_t(line)].cellIsEmpty(OperatorColumn);
}

QString Tape::comment(qint64 line) const { return cell(line, CommentColumn).trimmed(); }

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
    m_lines.emplaceBack();
    emit lineAppended();
}

void Tape::clear()
{
    emit aboutToReset();
    m_lines.clear();
    m_lines.emplaceBack();
    emit tapeReset();
}

void Tape::replace(TapeLines finishedLines)
{
    emit aboutToReset();
    m_lines = std::move(finishedLines);
    m_lines.emplaceBack();
    emit tapeReset();
}

void Tape::removeLine(qint64 line)
{
    emit aboutToRemoveLine(line);
    m_lines.erase(std::size_t(line));
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
    m_lines.truncate(write + 1);
    emit tapeReset();
}

std::pair<qint64, qint64> Tape::block(qint64 line) const
{
    qint64 first = line;
    while (first > 0 && !this->line(first).cellIsEmpty(OperatorColumn))
        --first;
    qint64 last = first;
    while (last + 1 < openLineIndex() && !this->line(last + 1).cellIsEmpty(OperatorColumn))
        ++last;
    return {first, last};
}
