#include "pregnancy/DateField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
{
}

void DateField::selectWholeText()
{
    setSelection(0, static_cast<int>(text().size()));
}

void DateField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectWholeText();
    // A mouse click places the caret after the focus arrives; select again
    // once the click is through so that typing still replaces the date.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectWholeText();
        });
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit left();
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier) {
        emit pickerRequested();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit confirmed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
