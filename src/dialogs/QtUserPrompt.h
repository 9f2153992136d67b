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

private:
    QWidget *m_owner;
    QString m_title;
};
