#pragma once

#include <QLineEdit>

// A numeric field of the medical window: its whole text is selected when it
// gets the focus, and (optionally) a typed full stop becomes a decimal comma.
class MedNumberField : public QLineEdit
{
    Q_OBJECT
public:
    MedNumberField(const QString &name, bool convertsFullStop, QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    bool m_convertsFullStop;
};
