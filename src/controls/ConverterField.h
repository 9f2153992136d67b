#pragma once

#include "controls/BaseConversion.h"

#include <QLineEdit>

// One field of a converter row. Only the characters of its column get in, by the
// keyboard or otherwise (paste, drop, input method): an edit that would insert any
// other character is undone whole.
class ConverterField : public QLineEdit
{
    Q_OBJECT
public:
    ConverterField(BaseConversion::Column column, int row, QWidget *parent = nullptr);

    BaseConversion::Column column() const { return m_column; }
    int row() const { return m_row; }

signals:
    // An accepted keystroke, or an accepted edit by the user by other means.
    void keyTyped();
    // An edit by the user that was undone because it held foreign characters.
    void editRefused();
    void upPressed();
    void downPressed();
    void focused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void checkUserEdit();

    BaseConversion::Column m_column;
    int m_row;
    QString m_before; // the text before the edit in progress
};
