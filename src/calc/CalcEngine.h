#pragma once

#include "calc/EntryState.h"
#include "calc/Functions.h"
#include "calc/Operators.h"

#include <QString>
#include <array>
#include <optional>

class CalcTape;
class UserPrompt;

// The calculator: its state and the actions of the keypad's keys. It writes
// the tape only on the open line and closes it with CalcTape::appendLine().
class CalcEngine
{
public:
    static constexpr int MemoryCount = 5;

    CalcEngine(CalcTape &tape, UserPrompt &prompt);

    // Key actions.
    void digitKey(int digit);
    void decimalKey();
    void signKey();
    void backspaceKey();
    void clearEntryKey();
    void clearAllKey();
    void operatorKey(Operator op);
    void equalsKey();
    void functionKey(FunctionKey f, KeyButton button);
    // The left button stores the shown value in memory k, another recalls it.
    void memoryKey(int k, KeyButton button);
    void constantKey(int k);

    // Menu commands: "Grille vierge" and "Coller". Paste returns false and
    // changes nothing when the text is not a number or, blanks around it
    // aside, is longer than MaxPasteLength characters.
    static constexpr int MaxPasteLength = 100;
    void newTape();
    bool paste(const QString &text);

    // State.
    const QString &display() const { return m_display; }
    EntryState entryState() const { return m_entryState; }
    double accumulator() const { return m_accumulator; }
    double operand() const { return m_operand; }
    std::optional<Operator> pendingOperator() const { return m_pendingOperator; }
    bool operationInProgress() const { return m_operationInProgress; }
    double memory(int k) const { return m_memories[std::size_t(k)]; }
    void setMemory(int k, double value) { m_memories[std::size_t(k)] = value; }
    // "M2: 12,5"
    QString memoryPanelText(int k) const;

    // After a tape was loaded: shows the value of its last line and goes on
    // from it, or else from 0 as from a cleared display.
    void resumeFromTape();
    // After an edit of the tape: takes the edited calculation's last value
    // when there is one, shows the accumulator, and goes on from the tape's
    // last line when it holds that value, or else as from a cleared display
    // (the next operator writes the value first).
    void resumeAfterEdit(std::optional<double> lastValue);

    static QString piText();

private:
    // The value the tape's last finished line leaves to go on with: its
    // number, unless it is a cancel line ("Annulation", or a replaced operand
    // the recalculation skips too); nothing on an empty tape or when the
    // value is not a number ("Erreur!").
    std::optional<double> lastTapeValue() const;
    void restart(double accumulator, EntryState state);
    bool readTyped(double &target);
    bool evaluatePending();
    void showValue(double value);
    // Returns the value as the tape holds it, the one to go on with.
    double writeOperandLine(double value);
    void strikeReplacedOperand();
    void writeFunctionLine(const QString &name, double result, const QString &parameter);
    bool functionInput(double &input);
    void negate();

    CalcTape &m_tape;
    UserPrompt &m_prompt;
    EntryState m_entryState = EntryState::Cleared;
    double m_accumulator = 0;
    double m_operand = 0;
    std::optional<Operator> m_pendingOperator;
    bool m_operationInProgress = false;
    std::array<double, MemoryCount> m_memories{};
    QString m_display = QStringLiteral("0");
    double m_shownValue = 0; // the value the display shows when not typing
};
