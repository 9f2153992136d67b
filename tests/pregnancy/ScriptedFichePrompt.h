#pragma once

#include "dialogs/UserPrompt.h"

#include <QList>
#include <QPair>
#include <QStringList>

// Answers message, question and input boxes from a script and records what was asked.
class ScriptedFichePrompt : public UserPrompt
{
public:
    QStringList messages;
    QStringList questions;
    QList<QPair<QString, QString>> inputs; // prompt, proposed answer

    QStringList inputAnswers;
    QList<Answer> questionAnswers;

    void message(const QString &text, Icon) override { messages << text; }
    Answer question(const QString &text) override
    {
        questions << text;
        return questionAnswers.isEmpty() ? Answer::No : questionAnswers.takeFirst();
    }
    QString input(const QString &prompt, const QString &defaultAnswer) override
    {
        inputs.append({prompt, defaultAnswer});
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    }
};
