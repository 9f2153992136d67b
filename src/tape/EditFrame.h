#pragma once

#include "tape/LineEditor.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QPushButton;

// fraEdition: the frame over the keypad area in which one line of the tape
// is edited. It shows the fields for the line's kind and reports its
// three buttons; the tape logic is LineEditor's.
class EditFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit EditFrame(QWidget *parent = nullptr);

    void showFor(const LineEditor::Opening &opening);
    LineEditor::Fields fields() const;
    // The operand field after an invalid value: "." already turned into ",".
    void focusOperand();
    void focusComment();
    void close();

    QPushButton *button(LineEditor::Button button) const { return m_buttons[int(button)]; }

signals:
    void buttonClicked(LineEditor::Button button);

private:
    QGroupBox *m_operationFrame;
    QGroupBox *m_functionFrame;
    QGroupBox *m_commentFrame;
    QComboBox *m_operator;
    QLineEdit *m_operand;
    QComboBox *m_function;
    QLineEdit *m_comment;
    QPushButton *m_buttons[3]; // in the order of LineEditor::Button
    bool m_commentChanged = false;
};
