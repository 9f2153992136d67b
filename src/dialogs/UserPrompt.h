#pragma once

#include <QString>

// How the logic talks to the user: message boxes and the input box. Windows
// pass a Qt implementation; tests pass a scripted one.
class UserPrompt
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~UserPrompt() = default;

    // A message box with an OK button, titled with the application's title.
    virtual void message(const QString &text, Icon icon = Icon::None) = 0;
    // A Yes/No question, No being the default; returns Answer::Yes or Answer::No.
    virtual Answer question(const QString &text) = 0;
    // A Yes/No/Cancel question, Cancel being the default and Escape; returns
    // Answer::Yes, Answer::No or Answer::Cancel. A prompt that cannot ask it
    // cancels, so that nothing is lost unasked.
    virtual Answer questionWithCancel(const QString &text)
    {
        Q_UNUSED(text);
        return Answer::Cancel;
    }
    // The input box: an empty text when the user cancels.
    virtual QString input(const QString &prompt, const QString &defaultAnswer) = 0;
};
