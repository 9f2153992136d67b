#pragma once

#include "dialogs/UserPrompt.h"

#include <QList>
#include <QPair>
#include <QStringList>

// Answers message, question and input boxes from a script and records what was asked.
class ScriptedPrompt : public UserPrompt
{
public:
    QStringList messages;
    QStringList questions;
    QList<QPair<QString, QString>> inputs; // prompt, proposed answer
    QStringList prompts;                   // every question and input prompt, in order

    QStringList inputAnswers;      // consumed in order; empty text when exhausted
    QList<Answer> questionAnswers; // consumed in order; No when exhausted

    void message(const QString &text, Icon) override { messages << text; }
    Answer question(const QString &text) override
    {
        questions << text;
        prompts << text;
        return questionAnswers.isEmpty() ? Answer::No : questionAnswers.takeFirst();
    }
    // Shares the answers of question(); Cancel, the default button, when exhausted.
    Answer questionWithCancel(const QString &text) override
    {
        questions << text;
        prompts << text;
        return questionAnswers.isEmpty() ? Answer::Cancel : questionAnswers.takeFirst();
    }
    QString input(const QString &prompt, const QString &defaultAnswer) override
    {
        inputs.append({prompt, defaultAnswer});
        prompts << prompt;
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    }
};
