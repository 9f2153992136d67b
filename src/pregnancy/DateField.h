#pragma once

#include <QIcon>
#include <QLineEdit>

class QToolButton;

// A single-line date field of the pregnancy window. It selects its whole text
// when it gets the focus and reports the keys and the focus loss that the
// window turns into date handling.
class DateField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // A date field named `name`, as wide as the longest date typed in it.
    static DateField *create(const QString &name, QWidget *parent);
    // The small desk calendar shown beside a date field to open its picker.
    static QIcon calendarIcon();
    // The button with that calendar beside the field named `fieldName`.
    static QToolButton *calendarButton(const QString &fieldName, QWidget *parent);

signals:
    // Alt+Down: the user asks for the pop-up calendar.
    void pickerRequested();
    // Enter or Return.
    void confirmed();
    // The focus went to another control of the window (not to a menu or
    // another application).
    void left();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void selectWholeText();
};
