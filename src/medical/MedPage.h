#pragma once

#include <QFrame>
#include <QList>

class QGridLayout;
class QLabel;
class QLineEdit;
class ResultPanel;
class UserPrompt;
class ZmtCommonCommand;
struct FormOutcome;

// One page of the medical window: the parts its calculators are built from
// and the common way of answering a calculate button.
class MedPage : public QFrame
{
    Q_OBJECT
public:
    // `index` is the page's tab number, 1 to 5.
    MedPage(int index, UserPrompt &prompt, QWidget *parent = nullptr);

protected:
    QGridLayout *grid() const { return m_grid; }
    UserPrompt &prompt() const { return m_prompt; }

    // The page title across the page, on the first row.
    QLabel *addTitle(const QString &name, const QString &text);
    QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent = nullptr);
    // A label whose text is a computed value.
    QLabel *makeValue(const QString &name, QWidget *parent);
    ZmtCommonCommand *makeCalculateButton(const QString &name, int alignment);
    ResultPanel *makeResultPanel(const QString &name);
    // The results of a clearance page, placed on row 6: a title, "Homme:" and
    // "Femme:" with their rates and classes. `names` are the seven label names
    // in that order; returns the four result labels (rates, then classes).
    QList<QLabel *> addClearanceResults(const QString &panelName, const QStringList &names);

    // Shows the results in the labels, or the message, then focuses the field
    // it names; blanks the labels when the refusal says so.
    void apply(const FormOutcome &outcome, const QList<QLineEdit *> &fields,
               const QList<QLabel *> &results);

private:
    UserPrompt &m_prompt;
    QGridLayout *m_grid;
};
