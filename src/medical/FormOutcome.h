#pragma once

#include <QString>
#include <QStringList>

// What a click on a calculate button leads to: either the texts of the result
// labels, or a message for the user (with the field that gets the focus).
// A refusal that blanks the results may still carry the results that do not
// depend on the refused value.
struct FormOutcome
{
    QString message; // empty when the results are valid
    int focusField = -1; // index of the field to focus; -1: focus stays
    bool clearResults = false; // the refusal also blanks the shown results
    QStringList results; // the result texts, in the page's order
    QString warning; // the page's warning line about unlikely values; empty: none

    bool ok() const { return message.isEmpty(); }

    static FormOutcome refusal(QString text, int field)
    {
        FormOutcome outcome;
        outcome.message = std::move(text);
        outcome.focusField = field;
        return outcome;
    }
};
