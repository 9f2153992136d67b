#include "tape/LineEditor.h"

#include "calc/Functions.h"
#include "calc/NumberText.h"
#include "dialogs/UserPrompt.h"
#include "tape/Recalculator.h"

LineEditor::LineEditor(Tape &tape, UserPrompt &prompt) : m_tape(tape), m_prompt(prompt) { }

QString LineEditor::cancelLineMessage() { return QStringLiteral("Ligne d'annulation. Edition impossible."); }

QString LineEditor::invalidValueMessage() { return QStringLiteral("Vous n'avez pas saisi une donnée valide."); }

LineEditor::Opening LineEditor::open(qint64 line)
{
    Opening opening;
    if (line < 0 || line >= m_tape.rowCount())
        return opening;
    if (m_tape.kind(line) == Tape::Kind::Cancel) {
        m_prompt.message(cancelLineMessage(), UserPrompt::Icon::Critical);
        return opening;
    }
    if (line == m_tape.openLineIndex())
        return opening;
    m_line = line;
    opening.op = m_tape.cell(line, Tape::OperatorColumn);
    opening.value = m_tape.cell(line, Tape::ValueColumn);
    opening.comment = m_tape.comment(line);
    opening.caption = QStringLiteral("Edition de la ligne: %1 %2").arg(opening.op, opening.value);
    switch (m_tape.kind(line)) {
    case Tape::Kind::Function: opening.layout = Layout::Function; break;
    case Tape::Kind::Total: opening.layout = Layout::Total; break;
    default: opening.layout = opening.op.isEmpty() ? Layout::FirstOperand : Layout::Operand; break;
    }
    return opening;
}

void LineEditor::removeAt(qint64 line)
{
    m_tape.removeLine(line);
    --m_last;
}

LineEditor::Outcome LineEditor::remove()
{
    std::tie(m_first, m_last) = m_tape.block(m_line);
    bool modified = true;
    if (m_tape.kind(m_line) == Tape::Kind::Function) {
        removeAt(m_line);
    } else {
        removeAt(m_line);
        // The functions applied to the removed value go with it, and so do
        // the struck-out lines of the value it had replaced.
        while (m_line <= m_last && m_tape.kind(m_line) == Tape::Kind::Function)
            removeAt(m_line);
        while (m_line > m_first && m_tape.isStruckOut(m_line - 1))
            removeAt(--m_line);
        // Struck-out lines cannot open a calculation.
        if (m_line == m_first)
            while (m_line <= m_last && m_tape.isStruckOut(m_line))
                removeAt(m_line);
        if (m_last < m_first) {
            modified = false;
        } else {
            if (m_line == m_first && !m_tape.cell(m_first, Tape::OperatorColumn).isEmpty())
                m_tape.setCell(m_first, Tape::OperatorColumn, QString());
            // A calculation left with no operator before its total loses it.
            for (qint64 i = m_first; i <= m_last; ++i) {
                if (m_tape.kind(i) == Tape::Kind::Total) {
                    removeAt(i);
                    break;
                }
                if (m_tape.kind(i) == Tape::Kind::Operand && !m_tape.cell(i, Tape::OperatorColumn).isEmpty())
                    break;
            }
            modified = m_last - m_first + 1 >= 2;
        }
    }
    // The block is recalculated after a deletion as after OK.
    if (modified)
        Recalculator::recalculate(m_tape, m_first, m_last);
    return Outcome::Finished;
}

QString LineEditor::askDecimals()
{
    const QString answer = Functions::askDecimals(m_prompt);
    if (answer.isEmpty() || LeadingNumber(answer) < 0)
        return QStringLiteral("2");
    return NumberToText(LeadingNumber(answer));
}

LineEditor::Outcome LineEditor::ok(Fields fields)
{
    std::tie(m_first, m_last) = m_tape.block(m_line);
    if (fields.commentChanged)
        m_tape.setComment(m_line, fields.comment);
    bool modified = false;
    switch (m_tape.kind(m_line)) {
    case Tape::Kind::Total: return Outcome::Finished;
    case Tape::Kind::Function:
        if (fields.function != m_tape.cell(m_line, Tape::OperatorColumn)) {
            if (const auto press = Functions::named(fields.function); press && Functions::needsDecimals(press->key))
                m_tape.setCell(m_line, Tape::ParameterColumn, askDecimals());
            m_tape.setCell(m_line, Tape::OperatorColumn, fields.function);
            modified = true;
        }
        break;
    default:
        if (fields.value != m_tape.cell(m_line, Tape::ValueColumn)) {
            const QString text = fields.value.replace(QLatin1Char('.'), QLatin1Char(','));
            const std::optional<double> number = TextToNumber(text.trimmed());
            if (!number) {
                m_prompt.message(invalidValueMessage(), UserPrompt::Icon::Critical);
                return Outcome::StayOpen;
            }
            m_tape.setCell(m_line, Tape::ValueColumn, NumberToText(*number));
            modified = true;
        }
        if (m_line != m_first && fields.op != m_tape.cell(m_line, Tape::OperatorColumn)) {
            m_tape.setCell(m_line, Tape::OperatorColumn, fields.op);
            modified = true;
        }
        break;
    }
    if (modified)
        Recalculator::recalculate(m_tape, m_first, m_last);
    return Outcome::Finished;
}

std::optional<double> LineEditor::finishedValue() const
{
    const qint64 lastFinished = m_tape.openLineIndex() - 1;
    if (lastFinished < 0 || m_last != lastFinished || m_tape.kind(lastFinished) == Tape::Kind::Cancel)
        return std::nullopt;
    return TextToNumber(m_tape.cell(lastFinished, Tape::ValueColumn));
}
