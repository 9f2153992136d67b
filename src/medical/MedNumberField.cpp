#include "medical/MedNumberField.h"

#include "medical/DecimalComma.h"

#include <QKeyEvent>

MedNumberField::MedNumberField(const QString &name, bool convertsFullStop, QWidget *parent)
    : QLineEdit(parent),
      m_convertsFullStop(convertsFullStop)
{
    setObjectName(name);
    setAlignment(Qt::AlignRight);
    setMaxLength(20);
}

void MedNumberField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Typing replaces the whole value.
    setSelection(0, int(text().size()));
}

void MedNumberField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!m_convertsFullStop || event->isAutoRepeat())
        return;
    const bool fullStop = event->key() == Qt::Key_Period;
    const bool keypadSeparator =
        (event->modifiers() & Qt::KeypadModifier) && (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
    if (!fullStop && !keypadSeparator)
        return;
    const std::optional<DecimalComma::Rewrite> rewrite = DecimalComma::apply(text(), cursorPosition());
    if (!rewrite)
        return;
    setText(rewrite->text);
    setCursorPosition(rewrite->caret);
}
