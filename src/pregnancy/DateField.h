#pragma once

#include <QIcon>
#include <QLineEdit>

// A single-line date field of the pregnancy window. It selects its whole text
// when it gets the focus and reports the keys and the focus loss that the
// window turns into date handling.
class DateField : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // The small desk calendar shown beside a date field to open its picker.
    static QIcon calendarIcon();

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
