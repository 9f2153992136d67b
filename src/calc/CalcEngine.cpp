#include "calc/CalcEngine.h"

#include "calc/CalcTape.h"
#include "calc/FrenchNumber.h"
#include "calc/Functions.h"
#include "calc/NumberText.h"
#include "calc/Operators.h"
#include "dialogs/UserPrompt.h"

#include <cmath>

namespace {

QString typedTooLargeMessage()
{
    return QStringLiteral("Erreur: le nombre saisi dépasse la capacité de la calculatrice.");
}

// A value as the tape holds it: 15 significant digits. Every value the
// engine writes as an operand goes on with this value, so that
// recalculating the tape finds the very results the display showed.
double asOnTape(double value) { return TextToNumber(NumberToText(value)).value_or(value); }

} // namespace

CalcEngine::CalcEngine(CalcTape &tape, UserPrompt &prompt) : m_tape(tape), m_prompt(prompt) { }

QString CalcEngine::piText() { return QStringLiteral("3,1415926535897932384626433832795"); }

QString CalcEngine::memoryPanelText(int k) const
{
    return QStringLiteral("M%1: %2").arg(k + 1).arg(NumberToText(memory(k)));
}

// Reads the typed display text; a text beyond the range of a double is
// refused with a message and the key does nothing else.
bool CalcEngine::readTyped(double &target)
{
    const std::optional<double> value = TextToNumber(m_display);
    if (!value) {
        m_prompt.message(typedTooLargeMessage(), UserPrompt::Icon::Warning);
        return false;
    }
    target = asOnTape(*value);
    return true;
}

void CalcEngine::showValue(double value)
{
    m_shownValue = value;
    m_display = NumberToText(value);
}

double CalcEngine::writeOperandLine(double value)
{
    // Inside a calculation an operand line without an operator can only
    // follow a function line: the new value replaces that function's result.
    if (m_operationInProgress && m_tape.cell(m_tape.openLineIndex(), CalcTape::OperatorColumn).isEmpty())
        strikeReplacedOperand();
    m_tape.setOpen(CalcTape::ValueColumn, NumberToText(value));
    m_tape.appendLine();
    return asOnTape(value);
}

// A value typed, recalled, pasted or cleared right after a function inside
// a calculation replaces the function's result, as on the display. The
// operand line and the function lines that led to the replaced result stay
// on the tape in the colours of a cancelled line, out of the calculation,
// and the new value takes their operator.
void CalcEngine::strikeReplacedOperand()
{
    qint64 line = m_tape.openLineIndex() - 1;
    while (line >= 0 && m_tape.kind(line) == CalcTape::Kind::Function)
        m_tape.strikeOut(line--);
    if (line >= 0 && m_tape.kind(line) == CalcTape::Kind::Operand
        && !m_tape.cell(line, CalcTape::OperatorColumn).isEmpty())
        m_tape.strikeOut(line);
    m_tape.setOpen(CalcTape::OperatorColumn, m_pendingOperator ? Operators::symbol(*m_pendingOperator) : QString());
}

void CalcEngine::writeFunctionLine(const QString &name, double result, const QString &parameter)
{
    const qint64 open = m_tape.openLineIndex();
    m_tape.setCell(open, CalcTape::OperatorColumn, name);
    m_tape.setCell(open, CalcTape::ValueColumn, NumberToText(result));
    if (!parameter.isEmpty())
        m_tape.setCell(open, CalcTape::ParameterColumn, parameter);
    m_tape.setKind(open, CalcTape::Kind::Function);
    m_tape.appendLine();
}

void CalcEngine::digitKey(int digit)
{
    const QString d = QString::number(digit);
    if (m_entryState == EntryState::Typing && m_display != QLatin1String("0"))
        m_display += d;
    else
        m_display = d;
    m_entryState = EntryState::Typing;
}

void CalcEngine::decimalKey()
{
    if (m_entryState == EntryState::Typing) {
        if (!m_display.contains(QLatin1Char(',')))
            m_display += QLatin1Char(',');
        return;
    }
    m_display = QStringLiteral("0,");
    m_entryState = EntryState::Typing;
}

void CalcEngine::backspaceKey()
{
    if (m_entryState != EntryState::Typing)
        return;
    if (m_display.size() == 1 || (m_display.size() == 2 && m_display.startsWith(QLatin1Char('-'))))
        m_display = QStringLiteral("0");
    else
        m_display.chop(1);
}

void CalcEngine::clearEntryKey()
{
    if (m_operationInProgress)
        m_operand = 0;
    else
        m_accumulator = 0;
    showValue(0);
    // Inside a calculation, a cleared function result is replaced by 0 as
    // by a recalled value: the next operator or "=" writes it.
    if (m_entryState == EntryState::ResultShown && m_operationInProgress)
        m_entryState = EntryState::ValueRecalled;
    // A cleared total is a value the tape does not hold: the cleared 0 starts
    // a new calculation, so the next operator writes it as its first line.
    if (m_entryState == EntryState::ResultShown && !m_operationInProgress)
        m_entryState = EntryState::Cleared;
}

void CalcEngine::clearAllKey()
{
    if (m_operationInProgress) {
        const qint64 open = m_tape.openLineIndex();
        m_tape.setCell(open, CalcTape::OperatorColumn, QString());
        m_tape.setKind(open, CalcTape::Kind::Cancel);
        m_tape.setCell(open, CalcTape::ValueColumn, QStringLiteral("Annulation"));
        m_tape.appendLine();
    }
    m_accumulator = 0;
    m_operationInProgress = false;
    m_entryState = EntryState::Cleared;
    m_pendingOperator.reset();
    showValue(0);
}

void CalcEngine::signKey()
{
    if (m_entryState == EntryState::Typing) {
        if (m_display == QLatin1String("0"))
            return;
        if (m_display.startsWith(QLatin1Char('-')))
            m_display.remove(0, 1);
        else
            m_display.prepend(QLatin1Char('-'));
        return;
    }
    negate();
}

void CalcEngine::negate()
{
    double result = 0;
    if (m_operationInProgress) {
        if (m_entryState == EntryState::ValueRecalled) {
            m_operand = -1 * writeOperandLine(m_operand);
        } else if (m_entryState == EntryState::OperatorChosen) {
            m_operand = -1 * writeOperandLine(m_accumulator);
        } else {
            m_operand = -1 * m_operand;
        }
        result = m_operand;
    } else {
        // A cleared value is not on the tape yet either: write it first so
        // that the "+/-" line never stands without its input.
        if (m_entryState == EntryState::ValueRecalled || m_entryState == EntryState::Cleared)
            m_accumulator = writeOperandLine(m_accumulator);
        m_accumulator = -1 * m_accumulator;
        result = m_accumulator;
    }
    writeFunctionLine(Functions::names().last(), result, QString());
    showValue(result);
    m_entryState = EntryState::ResultShown;
}

void CalcEngine::operatorKey(Operator op)
{
    const QString symbol = Operators::symbol(op);
    if (m_entryState == EntryState::OperatorChosen) {
        m_pendingOperator = op;
        m_tape.setOpen(CalcTape::OperatorColumn, symbol);
        return;
    }
    if (!m_operationInProgress) {
        if (m_entryState == EntryState::Typing && !readTyped(m_accumulator))
            return;
        if (m_entryState != EntryState::ResultShown)
            m_accumulator = writeOperandLine(m_accumulator);
        m_operationInProgress = true;
    } else {
        if (!evaluatePending())
            return;
        if (m_entryState == EntryState::Typing || m_entryState == EntryState::ValueRecalled)
            writeOperandLine(m_operand);
        showValue(m_accumulator);
    }
    m_pendingOperator = op;
    m_tape.setOpen(CalcTape::OperatorColumn, symbol);
    m_entryState = EntryState::OperatorChosen;
}

// Reads a typed operand and applies the pending operator; a refusal shows
// its message and keeps the accumulator. False when the typed text cannot be
// read, and the key then does nothing.
bool CalcEngine::evaluatePending()
{
    if (m_entryState == EntryState::Typing && !readTyped(m_operand))
        return false;
    if (m_entryState == EntryState::ValueRecalled)
        m_operand = asOnTape(m_operand); // it is written as an operand line next
    const Operators::Outcome outcome = Operators::evaluate(m_accumulator, m_operand, m_pendingOperator);
    if (!outcome.accepted)
        m_prompt.message(outcome.message, UserPrompt::Icon::Warning);
    m_accumulator = outcome.value;
    return true;
}

void CalcEngine::equalsKey()
{
    if (!m_operationInProgress)
        return;
    if (m_entryState != EntryState::OperatorChosen && !evaluatePending())
        return;
    if (m_entryState == EntryState::Typing || m_entryState == EntryState::ValueRecalled)
        writeOperandLine(m_operand);
    const qint64 open = m_tape.openLineIndex();
    m_tape.setCell(open, CalcTape::OperatorColumn, QStringLiteral("="));
    m_tape.setCell(open, CalcTape::ValueColumn, NumberToText(m_accumulator));
    m_tape.setKind(open, CalcTape::Kind::Total);
    m_tape.appendLine();
    m_pendingOperator.reset();
    m_operationInProgress = false;
    m_entryState = EntryState::ResultShown;
    showValue(m_accumulator);
}

// Which value a function or sign change transforms, writing it first as an
// operand line when the tape does not hold it yet.
bool CalcEngine::functionInput(double &input)
{
    if (m_operationInProgress) {
        switch (m_entryState) {
        case EntryState::Typing:
            if (!readTyped(m_operand))
                return false;
            input = m_operand = writeOperandLine(m_operand);
            break;
        case EntryState::ValueRecalled: input = m_operand = writeOperandLine(m_operand); break;
        case EntryState::OperatorChosen: input = writeOperandLine(m_accumulator); break;
        default: input = m_operand; break;
        }
        return true;
    }
    if (m_entryState == EntryState::Typing && !readTyped(m_accumulator))
        return false;
    if (m_entryState == EntryState::Typing || m_entryState == EntryState::ValueRecalled
        || m_entryState == EntryState::Cleared)
        m_accumulator = writeOperandLine(m_accumulator);
    input = m_accumulator;
    return true;
}

void CalcEngine::functionKey(FunctionKey f, KeyButton button)
{
    double input = 0;
    if (!functionInput(input))
        return;
    double result = input;
    double decimals = 0;
    bool asked = true;
    if (Functions::needsDecimals(f) && input - std::trunc(input) != 0) {
        const QString answer = Functions::askDecimals(m_prompt);
        asked = !answer.isEmpty();
        decimals = asked ? LeadingNumber(answer) : -1;
    }
    if (asked) {
        if (const std::optional<double> value = Functions::apply(f, button, input, decimals)) {
            result = *value;
            const QString parameter = Functions::needsDecimals(f) ? NumberToText(decimals) : QString();
            writeFunctionLine(Functions::name(f, button), result, parameter);
        }
    }
    if (m_operationInProgress)
        m_operand = result;
    else
        m_accumulator = result;
    showValue(result);
    m_entryState = EntryState::ResultShown;
}

void CalcEngine::memoryKey(int k, KeyButton button)
{
    if (button == KeyButton::Left) {
        double value = m_shownValue;
        if (m_entryState == EntryState::Typing) {
            if (!readTyped(value))
                return;
        } else if (m_entryState == EntryState::OperatorChosen) {
            value = m_accumulator;
        }
        m_memories[std::size_t(k)] = value;
        return;
    }
    const double value = m_memories[std::size_t(k)];
    if (m_operationInProgress)
        m_operand = value;
    else
        m_accumulator = value;
    showValue(value);
    m_entryState = EntryState::ValueRecalled;
}

void CalcEngine::constantKey(int k)
{
    if (k == 0)
        m_display = piText();
    m_entryState = EntryState::Typing;
}

void CalcEngine::newTape()
{
    m_tape.clear();
    m_accumulator = 0;
    // The tape no longer holds the operation in progress: end it too.
    m_operationInProgress = false;
    m_pendingOperator.reset();
    showValue(0);
    m_entryState = EntryState::Cleared;
}

bool CalcEngine::paste(const QString &text)
{
    // No number the calculator shows is this long; refusing longer texts
    // before reading them keeps a huge clipboard from freezing the window.
    if (QStringView(text).trimmed().size() > MaxPasteLength)
        return false;
    const std::optional<double> value = FrenchNumber::read(text, {.thousandsSeparator = true, .calculatorForm = true});
    if (!value)
        return false;
    if (m_operationInProgress)
        m_operand = *value;
    else
        m_accumulator = *value;
    showValue(*value);
    m_entryState = EntryState::ValueRecalled;
    return true;
}

void CalcEngine::restart(double accumulator, EntryState state)
{
    m_accumulator = accumulator;
    m_operationInProgress = false;
    m_pendingOperator.reset();
    m_entryState = state;
    showValue(accumulator);
}

std::optional<double> CalcEngine::lastTapeValue() const
{
    const qint64 last = m_tape.openLineIndex() - 1;
    if (last < 0 || m_tape.kind(last) == CalcTape::Kind::Cancel)
        return std::nullopt;
    return TextToNumber(m_tape.cell(last, CalcTape::ValueColumn));
}

void CalcEngine::resumeFromTape()
{
    const std::optional<double> value = lastTapeValue();
    restart(value.value_or(0), value ? EntryState::ResultShown : EntryState::Cleared);
}

void CalcEngine::resumeAfterEdit(std::optional<double> lastValue)
{
    const double accumulator = lastValue.value_or(m_accumulator);
    const std::optional<double> value = lastTapeValue();
    const bool onTape = value && NumberToText(*value) == NumberToText(accumulator);
    restart(accumulator, onTape ? EntryState::ResultShown : EntryState::Cleared);
}
