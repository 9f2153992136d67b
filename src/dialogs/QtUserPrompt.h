#pragma once

#include "dialogs/UserPrompt.h"

class QWidget;

// Message and input boxes of Qt, owned by a window, titled "Tarvolix".
class QtUserPrompt : public UserPrompt
{
public:
    explicit QtUserPrompt(QWidget *owner, QString title = QString());
    void message(const QString &text, Icon icon) override;
    Answer question(const QString &text) override;
    Answer questionWithCancel(const QString &text) override;
    QString input(const QString &prompt, const QString &defaultAnswer) override;

    // The input box shows dots for what is typed (a password).
    void setMasked(bool masked) { m_masked = masked; }
    // The input box takes at most this many UTF-16 units as they are typed or pasted.
    void setMaxLength(int length) { m_maxLength = length; }

private:
    QWidget *m_owner;
    QString m_title;
    bool m_masked = false;
    int m_maxLength = 0;
};
